// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 006 - the owner and animal register: one owner at a time, with the owner's address and web account on
// the first page, the owner's animals on the second and the current animal's vaccinations on the third.
// The form is a shell over its pages: it hands each page the values it shows, decides every move of the
// register (a row being typed asks before it is left) and runs the saves over the values the pages type.

#include "common/FormWindows.h"

#include <QPointer>
#include <QWidget>

class QAction;
class QLabel;
class QTabWidget;
class AddressGroup;
class AnimalPage;
class OwnerPage;
class VaccinationPage;
struct OwnerShown;

namespace db {
class DataSet;
}

class TfrmPropAnimal : public QWidget, public AsksBeforeClosing {
    Q_OBJECT
public:
    explicit TfrmPropAnimal(QWidget* parent = nullptr);

    // The pages' data sets, under the register's names.
    db::DataSet* qryProprietario;
    db::DataSet* qryEndereco;
    db::DataSet* qryAnimal;
    db::DataSet* qryEndereco_do_animal;

    QTabWidget* PageControl1;
    QWidget* TabSheet1;  // Proprietário
    QWidget* TabSheet2;  // Animal
    QWidget* TabSheet3;  // Vacinas
    OwnerPage* ownerPage;
    AnimalPage* animalPage;
    VaccinationPage* vaccinationPage;
    QWidget* ActionList1;  // the animal page, which holds the animal's action list
    QAction* actAnimalNovo;
    QAction* actAnimalAlterar;
    QAction* actAnimalExcluir;
    AddressGroup* animalAddress;  // the current animal's address, placed by the animal page
    QLabel* StatusBar1Panel0;
    QLabel* StatusBar1Panel1;

    // Puts the register on the active owner of that id, and the animal list on the animal when it is the
    // owner's. An owner or animal being typed asks first; false when the operator keeps it.
    bool openOwner(int ownerId, int animalToLocate = 0);
    // The same for an owner whatever its status (the advanced search finds inactive owners too).
    bool openAnyOwner(int ownerId, int animalToLocate = 0);

    enum class Leaving { Page, Form };
    // Why the operator may not leave now (a pending insert or edit), or empty.
    QString busy(Leaving leaving) const;

    void showAnimalPage();
    void closeForm();
    // An owner or animal being typed refuses the close and says so.
    bool askBeforeClosing() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createPages();
    void createStatusBar();
    void connectPages();
    void connectMoves();

    // Whether the register may leave the owner and the animal it shows: at once when neither is being typed,
    // else when the operator lets the typing go, and then what was typed is dropped.
    bool mayMove();
    bool moveToOwner(int ownerId, int animalToLocate, bool anyStatus);
    void openConsult();
    void openOccurrences();  // on the owner and the animal the animal page shows
    void postOwner();
    void postAnimal();
    void ownerShown(const OwnerShown& owner);
    void pageChanging(int index);
    // "Prop.: name ele tem "n" animal(s) em seu nome." for the owner on show and the animals listed.
    void showCaption();
    // The owner on show, also while typed: a new owner has no code yet; no name, no owner.
    void showOwnerPanel(int ownerId, const QString& name);

    int m_animalToLocate = 0;
    bool m_shown = false;
};

inline QPointer<TfrmPropAnimal> frmPropAnimal;

namespace registry {
inline const QString kGravarProprietarioProsseguir = QStringLiteral(
    "Você deve gravar ou cancelar a operação em andamento no cadastro do proprietário antes de prosseguir!");
inline const QString kGravarProprietarioFechar = QStringLiteral(
    "Você deve gravar ou cancelar a operação em andamento no cadastro do proprietário antes de fechar o formulário!");
inline const QString kGravarAnimalFechar = QStringLiteral(
    "Você deve gravar ou cancelar a operação em andamento no cadastro do animal antes de fechar o formulário!");
}  // namespace registry
