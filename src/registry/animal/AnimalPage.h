// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The animal page of the owner and animal register: the animals of the owner it is given, one at a time with the
// current animal's address, in data sets of its own; its action list, and the new, edit, cancel, refresh and
// delete of an animal. It hands the typed animal back as values (typedAnimal()) for the owner it was typed
// for, and says by signals what it shows; the form that holds it decides the moves, runs the save and opens
// the occurrences (actOcorrencia) on what the page shows.

#include "registry/animal/TypedAnimal.h"
#include "registry/owner/OwnerRules.h"

#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolBar;
class AddressGroup;

namespace db {
class DataSet;
}
namespace ui {
class DateEdit;
class LookupComboLink;
}  // namespace ui

class AnimalPage : public QWidget {
    Q_OBJECT
public:
    explicit AnimalPage(QWidget* parent = nullptr);

    db::DataSet* animalData() const { return m_animal; }
    db::DataSet* addressData() const { return m_address; }

    bool busy() const;                          // the animal is being inserted or edited
    int animalId() const;                       // the animal on show, 0 for none or a new one
    int ownerId() const { return m_owner.id; }  // the owner on show, 0 for none
    int animalCount() const;

    void opening();  // the reference lists
    // The owner on show: its name on the tool bar and, unless an animal is being typed, its animals, on
    // `animalToLocate` when it is one of them.
    void showOwner(const OwnerShown& owner, int animalToLocate = 0);
    void append();
    void edit();
    void cancel();
    void refresh();
    void remove();
    void copyOwnerAddress();  // actPreencheEndAnimal
    void markAttendance();    // actMarcaAtendimento: the hand-off to the booking form
    void showInformation();   // actInformacao
    // A birth date from the age calculation, taken only while an animal is typed.
    void setBirthDate(const QDate& date);

    // The animal as typed, for saveAnimal(): a new one for the owner shown when its typing began.
    TypedAnimal typedAnimal() const;
    // A check that failed: its control coloured and focused, its message shown.
    void refuse(const FieldRefusal& refusal);
    // The animal saved: the typing closes and the owner's animals are listed on it. False when it is no longer
    // there (another program deleted it right after the save).
    bool showStored(int animalId);

    AnimalValues values() const;

    QAction* actAnimalNovo;
    QAction* actAnimalAlterar;
    QAction* actAnimalExcluir;
    QAction* actAnimalAtualizar;
    QAction* actAnimalGravar;
    QAction* actAnimalCancelar;
    QAction* DataSetFirst1;
    QAction* DataSetPrior1;
    QAction* DataSetNext1;
    QAction* DataSetLast1;
    QAction* actInformacao;
    QAction* actMarcaAtendimento;
    QAction* actOcorrencia;
    QAction* actPreencheEndAnimal;

    AddressGroup* address;
    QPushButton* BitBtn2;  // the age calculation, beside the birth date

signals:
    // The animal set moved: the animal on show (0 for none or a new one).
    void animalShown(int animalId);
    // The owner's animals were listed again (after a save, a delete, a cancel or a refresh).
    void animalsListed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createDataSets();
    void createActions();
    void createToolBar();
    void createFields();
    void layOut();
    void connectControls();

    void updateActions();
    void showAnimal();  // the current animal's address, after a move of the animal set
    void showBirthDate();
    void reloadBreeds();
    void breedChosen();
    void reloadAnimals(int locateAnimal = 0);

    db::DataSet* m_animal = nullptr;
    db::DataSet* m_address = nullptr;
    OwnerShown m_owner;  // the owner on show
    int m_typedFor = 0;  // the owner a new animal is being typed for
    QToolBar* m_tools = nullptr;
    QLabel* m_ownerName = nullptr;
    QLineEdit* m_code = nullptr;
    QLineEdit* m_name = nullptr;
    ui::DateEdit* m_birthDate = nullptr;
    QCheckBox* m_sameAddress = nullptr;
    ui::LookupComboLink* m_groups = nullptr;
    ui::LookupComboLink* m_species = nullptr;
    ui::LookupComboLink* m_breeds = nullptr;
    ui::LookupComboLink* m_sizes = nullptr;
    ui::LookupComboLink* m_coats = nullptr;
    QComboBox* m_groupBox = nullptr;
    QComboBox* m_speciesBox = nullptr;
    QComboBox* m_breedBox = nullptr;
    QComboBox* m_sizeBox = nullptr;
    QComboBox* m_coatBox = nullptr;
    QLineEdit* m_colour = nullptr;
    QLineEdit* m_pedigree = nullptr;
    QLineEdit* m_marks = nullptr;  // "Sinais:"
    QLineEdit* m_microchip = nullptr;
    QComboBox* m_sex = nullptr;
    QComboBox* m_sterilised = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    bool m_shown = false;
};

namespace registry {
inline const QString kLocalizeProprietario =
    QStringLiteral("Você deve localizar o proprietário para inserir um novo animal!");
inline const QString kFaltaLocalizarAnimal = QStringLiteral("Falta localizar o animal!");
inline const QString kVerifiqueAnimal = QStringLiteral("Verifique se todos os dados do animal está preenchido.");
inline const QString kErroListaRaca = QStringLiteral("Erro ao carregar a lista de raça.");
inline const QString kErroGravarAnimal =
    QStringLiteral("Erro ao tentar gravar registro, saia e faça novamente o login.");
inline const QString kAlteracaoAnimal = QStringLiteral(
    "Esta alteração não vale para mudança de endereço e/ou novo grupo do animal.\nVoce deve ir em \"Mudar o endereço "
    "do animal\" ou \"\"\nDeseja continuar assim mesmo?");
inline const QString kDonoAnterior =
    QStringLiteral("Animal com histórico de dono anterior.\nRegistro não pode ser excluído!");
inline const QString kAtendimentoParticular =
    QStringLiteral("Animal com registro de atendimento particular.\nRegistro não pode ser excluído!");
inline const QString kAtendimento =
    QStringLiteral("Animal com registro de atendimento.\nRegistro não pode ser excluído!");
inline const QString kVacinaRegistrada =
    QStringLiteral("Animal com registro de vacina.\nRegistro não pode ser excluído!");
inline const QString kOcorrenciaRegistrada =
    QStringLiteral("Animal com registro de ocorrência.\nRegistro não pode ser excluído!");
inline const QString kAnimalNaoCadastrado = QStringLiteral("É preciso que o animal esteja cadastrado.");
inline const QString kSemInformacao = QStringLiteral("Sem informação.");
inline const QString kExcluirAnimal = QStringLiteral(
    "O registro será excluído definitivamente e todo histórico do animal será perdido alterando analises realizada "
    "anteriormente.\nDeseja continuar?");
}  // namespace registry
