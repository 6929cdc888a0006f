// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The owner page of the owner and animal register: the owner with the owner's address and web account in
// data sets of its own, its action list, and the showing, new, edit, cancel, refresh, delete and print of an
// owner. It hands the typed owner back as values (typedOwner()) with its checks' refusals shown on its own
// controls, and says by signals what it shows; the form that holds it decides every move of the register and
// runs the save.

#include "common/register/DataActions.h"
#include "registry/owner/TypedOwner.h"

#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolBar;
class AddressGroup;

namespace db {
class DataSet;
}
namespace ui {
class LookupComboLink;
}

class OwnerPage : public QWidget, public RegisterActions {
    Q_OBJECT
public:
    explicit OwnerPage(QWidget* parent = nullptr);

    db::DataSet* ownerData() const { return m_owner; }
    db::DataSet* addressData() const { return m_address; }

    bool busy() const;  // the owner is being inserted or edited
    OwnerShown shown() const;

    // The actions' work that stays on the page.
    void opening();                                  // the look-up lists, an empty owner set
    void open(int ownerId, bool anyStatus = false);  // the active owner of that id (any owner with anyStatus)
    void append();
    void edit();
    void cancel();
    void refresh();
    void remove();
    void print();

    // The owner as typed, for saveOwner().
    TypedOwner typedOwner() const;
    // The stored block of the owner's web account is the web system's ("WEB").
    bool blockedByWeb() const;
    // A check that failed: its control coloured and focused, its message shown.
    void refuse(const FieldRefusal& refusal);
    // The owner saved: the typing closes and the stored owner is shown. False when it is no longer there (another
    // program deleted it right after the save).
    bool showStored(int ownerId);

    // The owner's values as the save checks them.
    OwnerValues values() const;
    void setPasswordOpen(bool open);
    bool passwordOpen() const;

    AddressGroup* address;

signals:
    // The owner set moved: the owner on show, or none.
    void ownerShown(const OwnerShown& owner);
    // The name is being typed: as it stands now.
    void nameTyped(int ownerId, const QString& name);
    // A new owner's document or name is an active owner's, and the operator was told or said it is the same.
    void existingOwnerFound(int ownerId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createDataSets();
    void createControls();
    void layOut();
    void connectControls();

    void updateActions();
    void showOwnerFields();
    void setWebFieldsOpen(bool open);
    void showBlockState(const QString& stored);
    void personTypeChanged();
    // The document and name look-ups of a new owner (on leaving their edits).
    void documentLeft();
    void nameLeft();
    int ownerId() const;

    db::DataSet* m_owner = nullptr;
    db::DataSet* m_address = nullptr;
    QToolBar* m_tools = nullptr;
    QLineEdit* m_code = nullptr;
    QComboBox* m_unit = nullptr;
    ui::LookupComboLink* m_unitLink = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_phone = nullptr;
    QComboBox* m_personType = nullptr;
    QLineEdit* m_document = nullptr;
    QLineEdit* m_identity = nullptr;
    QLineEdit* m_email = nullptr;
    QLineEdit* m_login = nullptr;
    QLineEdit* m_password = nullptr;
    QCheckBox* m_block = nullptr;
    bool m_shown = false;
    webaccountsql::Accounts m_accounts;  // the owner's web accounts as shown
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
