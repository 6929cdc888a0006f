#pragma once
// 006 - the owner and animal register: one owner at a time, with the owner's address and web account on
// the first page, the owner's animals on the second and the current animal's vaccinations on the third.
// The form is a shell: each page does its own work; the form owns the data sets and wires the pages.

#include "platform/db/DataSet.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QAction;
class QLabel;
class QTabWidget;
class AddressGroup;
class AnimalPage;
class OwnerPage;
class VaccinationPage;

class TfrmPropAnimal : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPropAnimal(QWidget* parent = nullptr);

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

    // Loads that owner, shows it and puts the animal list on the animal (when it is the owner's).
    void openOwner(int ownerId, int animalToLocate = 0);
    // The same for an owner whatever its status (the advanced search finds inactive owners too).
    void openAnyOwner(int ownerId, int animalToLocate = 0);
    // Everything that follows a move of the owner set.
    void showOwner();

    enum class Leaving { Page, Form };
    // Why the operator may not leave now (a pending insert or edit), or empty.
    QString busy(Leaving leaving) const;

    void showAnimalPage();
    void closeForm();

    // The owner look-up that Pesquisar opens, set by the look-up's own unit.
    static inline std::function<void(TfrmPropAnimal*)> openOwnerLookup;

signals:
    // The animal set moved: the animal and vaccination pages show the current animal.
    void animalShown();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void pageChanging(int index);
    QString ownerName() const;
    // "Prop.: name ele tem "n" animal(s) em seu nome." for the owner on show and the animals listed.
    void showCaption();
    void showOwnerPanel();

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
