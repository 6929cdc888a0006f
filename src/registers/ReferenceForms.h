// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eleven reference-table registers (009 to 019). Each is its table's description; the classes only
// give the description a name, and the global variables refer to the newest instance of each.

#include "registers/ReferenceForm.h"

#include <QPointer>

const ReferenceTable& grupoAnimaisTable();
const ReferenceTable& especieAnimalTable();
const ReferenceTable& racaTable();
const ReferenceTable& peloTable();
const ReferenceTable& porteAnimalTable();
const ReferenceTable& statusAtendimentoTable();
const ReferenceTable& unidadeMedidaTable();
const ReferenceTable& medicamentoTable();
const ReferenceTable& procedimentoTable();
const ReferenceTable& tipoOcorrenciaTable();
const ReferenceTable& receituarioTextoPesoTable();

// The eleven, in menu order.
QList<const ReferenceTable*> referenceTables();

#define NURV_REFERENCE_FORM_CONSTRUCTOR(Class, table) \
    explicit Class(QWidget* parent = nullptr) : ReferenceForm(table(), parent) {}

class TfrmGrupoAnimais : public ReferenceForm {
    Q_OBJECT
public:
    NURV_REFERENCE_FORM_CONSTRUCTOR(TfrmGrupoAnimais, grupoAnimaisTable)
};

class TfrmEspecieAnimal : public ReferenceForm {
    Q_OBJECT
public:
    NURV_REFERENCE_FORM_CONSTRUCTOR(TfrmEspecieAnimal, especieAnimalTable)
};

class TfrmRaca : public ReferenceForm {
    Q_OBJECT
public:
    NURV_REFERENCE_FORM_CONSTRUCTOR(TfrmRaca, racaTable)
};

class TfrmPelo : public ReferenceForm {
    Q_OBJECT
public:
    NURV_REFERENCE_FORM_CONSTRUCTOR(TfrmPelo, peloTable)
};

class TfrmPorteAnimal : public ReferenceForm {
    Q_OBJECT
public:
    NURV_REFERENCE_FORM_CONSTRUCTOR(TfrmPorteAnimal, porteAnimalTable)
};

class TfrmStatusAtendimento : public ReferenceForm {
    Q_OBJECT
public:
    NURV_REFERENCE_FORM_CONSTRUCTOR(TfrmStatusAtendimento, statusAtendimentoTable)
};

class TfrmUnidadeMedida : public ReferenceForm {
    Q_OBJECT
public:
    NURV_REFERENCE_FORM_CONSTRUCTOR(TfrmUnidadeMedida, unidadeMedidaTable)
};

class TfrmMedicamento : public ReferenceForm {
    Q_OBJECT
public:
    NURV_REFERENCE_FORM_CONSTRUCTOR(TfrmMedicamento, medicamentoTable)
};

class TfrmProcedimento : public ReferenceForm {
    Q_OBJECT
public:
    NURV_REFERENCE_FORM_CONSTRUCTOR(TfrmProcedimento, procedimentoTable)
};

class TfrmTipoOcorrencia : public ReferenceForm {
    Q_OBJECT
public:
    NURV_REFERENCE_FORM_CONSTRUCTOR(TfrmTipoOcorrencia, tipoOcorrenciaTable)
};

class TfrmReceituario_Texto_Peso : public ReferenceForm {
    Q_OBJECT
public:
    NURV_REFERENCE_FORM_CONSTRUCTOR(TfrmReceituario_Texto_Peso, receituarioTextoPesoTable)
};

#undef NURV_REFERENCE_FORM_CONSTRUCTOR

inline QPointer<TfrmGrupoAnimais> frmGrupoAnimais;
inline QPointer<TfrmEspecieAnimal> frmEspecieAnimal;
inline QPointer<TfrmRaca> frmRaca;
inline QPointer<TfrmPelo> frmPelo;
inline QPointer<TfrmPorteAnimal> frmPorteAnimal;
inline QPointer<TfrmStatusAtendimento> frmStatusAtendimento;
inline QPointer<TfrmUnidadeMedida> frmUnidadeMedida;
inline QPointer<TfrmMedicamento> frmMedicamento;
inline QPointer<TfrmProcedimento> frmProcedimento;
inline QPointer<TfrmTipoOcorrencia> frmTipoOcorrencia;
inline QPointer<TfrmReceituario_Texto_Peso> frmReceituario_Texto_Peso;
