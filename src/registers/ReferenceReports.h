// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list reports of the reference tables: each register prints its own, and menu actions 028 to 036
// open eight of them.

#include "registers/ReferenceReport.h"

const ReferenceListReport& relGrupoAnimais();
const ReferenceListReport& relEspecieAnimal();
const ReferenceListReport& relRaca();
const ReferenceListReport& relPelo();
const ReferenceListReport& relPorte();
const ReferenceListReport& relStatusAtendimento();
const ReferenceListReport& relUnidadeMedida();
const ReferenceListReport& relMedicamento();
const ReferenceListReport& relTipoProcedimento();
const ReferenceListReport& relTipoOcorrencia();
const ReferenceListReport& relTextoPeso();

#define NURV_REFERENCE_REPORT(Class, list)   \
    class Class : public ReferenceReport {   \
    public:                                  \
        Class() : ReferenceReport(list()) {} \
    };

NURV_REFERENCE_REPORT(TfrmRelGrupo_Animais, relGrupoAnimais)
NURV_REFERENCE_REPORT(TfrmRelEspecie_Animal, relEspecieAnimal)
NURV_REFERENCE_REPORT(TfrmRelRaca, relRaca)
NURV_REFERENCE_REPORT(TfrmRelPelo, relPelo)
NURV_REFERENCE_REPORT(TfrmRelPorte, relPorte)
NURV_REFERENCE_REPORT(TfrmRelStatusAtendimento, relStatusAtendimento)
NURV_REFERENCE_REPORT(TfrmRelUnidadeMedida, relUnidadeMedida)
NURV_REFERENCE_REPORT(TfrmRelMedicamento, relMedicamento)
NURV_REFERENCE_REPORT(TfrmRelTipoProcedimento, relTipoProcedimento)
NURV_REFERENCE_REPORT(TfrmRelTipoOcorrencia, relTipoOcorrencia)
NURV_REFERENCE_REPORT(TfrmRelTextoPeso, relTextoPeso)

#undef NURV_REFERENCE_REPORT
