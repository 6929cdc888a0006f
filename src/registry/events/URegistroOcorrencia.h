// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 022 - the occurrence register: an owner's animal and its dated occurrences, added and deleted one at a
// time, printed (REL037) and exported, every occurrence, to a dBase table.

#include "platform/db/DataSet.h"

#include <QPointer>
#include <QWidget>

class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolBar;

namespace ui {
class DateEdit;
}

class TfrmRegistroOcorrencia : public QWidget {
    Q_OBJECT
public:
    explicit TfrmRegistroOcorrencia(QWidget* parent = nullptr);

    // Creates the form into frmRegistroOcorrencia with the profile's rights of form 22; the caller shows it
    // (showForm) after any preset.
    static TfrmRegistroOcorrencia* create();

    // The owner list reduced to that owner, on that animal.
    void showFor(int ownerId, int animalId);

    void add();          // &Incluir
    void remove();       // &Excluir
    void reloadLists();  // &Atualizar
    void print();        // actPrint
    void exportAll();    // actExportarIntercorrencia

    int ownerId() const;
    int animalId() const;

    QLineEdit* edtCodProprietario;
    QComboBox* dblProprietario;
    QLineEdit* edtCodAnimal;
    QComboBox* dblNomeAnimal;
    QComboBox* cbbTipoOcorrencia;
    ui::DateEdit* mkeDataOcorrencia;
    QPushButton* bmpIncluir;
    QPushButton* bmpExcluir;
    QPushButton* bmpAtualizar;
    QTableView* dbgOcorrencia;
    db::DataSet* qryOcorrencia;
    QAction* actPrint;
    QAction* actExportarIntercorrencia;
    QAction* actSair;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createActions();
    void createPopupMenu();
    void createControls();
    void layOut();
    void connectControls();
    void fillOwners(int ownerId);
    void ownerChosen();
    void animalChosen();
    void typeChosen();
    void closeForm();

    QToolBar* m_tools = nullptr;
    QList<QAction*> m_popup;
    db::RowSet m_types;  // the type list's rows, for the hint
};

inline QPointer<TfrmRegistroOcorrencia> frmRegistroOcorrencia;

namespace registry {
inline const QString kFaltaDigitarData = QStringLiteral("Falta digitar a data.");
inline const QString kFaltaOcorrencia = QStringLiteral("Falta selecionar a ocorrência.");
inline const QString kFaltaAnimalOcorrencia = QStringLiteral("Falta selecionar o animal");
inline const QString kFaltaDataOcorrencia = QStringLiteral("Falta informar da data da ocorrência.");
inline const QString kOcorrenciaIdentica =
    QStringLiteral("Uma ocorrência identica a esta já foi inserida\nDeseja gravar assim mesmo?");
inline const QString kOcorrenciaImpede =
    QStringLiteral("A ocorreência '%1' impede que outras ocorrências possam ser inserida!");
inline const QString kOcorrenciaRealizada = QStringLiteral("operação realizada com sucesso!");
inline const QString kErroGravarOcorrencia = QStringLiteral("Erro ao gravar!\nOperação cancelada.");
inline const QString kOcorrenciaNaoEncontrada = QStringLiteral("Registro não encontrado para exclusão.");
inline const QString kExcluirOcorrencia =
    QStringLiteral("O registro será excluido definitivamente.\nDeseja continuar?");
inline const QString kSemIntercorrencia = QStringLiteral("Não há intercorrência para este animal.");
inline const QString kRegistroNaoLocalizado = QStringLiteral("Registro não localizado.");
}  // namespace registry
