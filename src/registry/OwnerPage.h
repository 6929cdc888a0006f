#pragma once
// The owner page of the owner and animal register: the owner with the owner's address and web account,
// its action list, and what each action does. The form owns the data sets; the page works on them.

#include "common/DataActions.h"
#include "registry/OwnerRules.h"
#include "registry/WebAccount.h"

#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolBar;
class AddressGroup;
class TfrmPropAnimal;

namespace db {
class DataSet;
}
namespace ui {
class LookupComboLink;
}

class OwnerPage : public QWidget, public RegisterActions {
    Q_OBJECT
public:
    OwnerPage(TfrmPropAnimal* form, db::DataSet* owner, db::DataSet* address, QWidget* parent);

    bool busy() const;  // the owner is being inserted or edited

    // The actions' work.
    void opening();  // the look-up lists, an empty owner set
    void append();
    void edit();
    void save();
    void cancel();
    void refresh();
    void remove();
    void print();
    void search();

    // Steps of showing an owner that belong to this page: block box, address, login.
    void showOwnerFields();
    // The document and name look-ups of a new owner (on leaving their edits).
    void documentLeft();
    void nameLeft();

    // The owner's values as the save checks them.
    OwnerValues values() const;
    // The unit chosen in the unit list (the attendance form reads it).
    QVariant chosenUnit() const;
    void setPasswordOpen(bool open);
    bool passwordOpen() const;


    AddressGroup* address;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void updateActions();
    void setWebFieldsOpen(bool open);
    void showBlockState(const QString& stored);
    void personTypeChanged();
    void refuse(const FieldRefusal& refusal);
    // A duplicate that another workstation's save stored between the checks and the transaction.
    struct DuplicateFound {
        FieldRefusal refusal;
    };
    void checkDuplicatesAgain(const OwnerValues& v, int ownerId);
    void insertOwner(const OwnerValues& v);
    void updateOwner(const OwnerValues& v);
    int ownerId() const;
    void reopenOwner(int id);
    webaccount::NewAccount newAccount(int ownerId, const QDateTime& now) const;

    TfrmPropAnimal* m_form;
    db::DataSet* m_owner;
    db::DataSet* m_address;
    QToolBar* m_tools;
    QLineEdit* m_codigo;
    QComboBox* m_unidade;
    ui::LookupComboLink* m_unidadeLink;
    QLineEdit* m_nome;
    QLineEdit* m_telefone;
    QComboBox* m_tipoPessoa;
    QLineEdit* m_documento;
    QLineEdit* m_ci;
    QLineEdit* m_email;
    QLineEdit* m_login;
    QLineEdit* m_senha;
    QCheckBox* m_bloqueio;
    bool m_shown = false;
    webaccount::Accounts m_accounts;  // the owner's web accounts as shown
};

namespace registry {
inline const QString kProprietarioCadastrado =
    QStringLiteral("Proprietário cadastrado com sucesso.\nCadastre o(s) animal(s).");
inline const QString kErroAlterar = QStringLiteral("Um erro ocorreu ao tentar alterar o registro.");
inline const QString kBloqueadoWebEditar =
    QStringLiteral("Este tutor está bloqueado pelo sistema WEB deseja continuar com a edição?");
inline const QString kManterBloqueioWeb =
    QStringLiteral("Este tutor está bloqueado pelo sistema web. \nDeseja manter este bloqueio?");
inline const QString kConstaAnimal =
    QStringLiteral("Consta registro de animal(s) para este proprietário!\nO registro não pode ser excluído.");
inline const QString kLocalizeTutor = QStringLiteral("Localize um tutor para gerar o relatório.");
}  // namespace registry
