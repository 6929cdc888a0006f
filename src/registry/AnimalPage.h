#pragma once
// The animal page of the owner and animal register: the owner's animals one at a time with the current
// animal's address, its action list, and the new, edit, save, cancel, refresh and delete of an animal with
// its address link, group and ownership history. The form owns the data sets; the page works on them.

#include "registry/AnimalRules.h"

#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolBar;
class AddressGroup;
class TfrmPropAnimal;

namespace db {
class DataSet;
}
namespace ui {
class DateEdit;
class LookupComboLink;
}

class AnimalPage : public QWidget {
    Q_OBJECT
public:
    AnimalPage(TfrmPropAnimal* form, db::DataSet* animal, db::DataSet* address, QWidget* parent);

    bool busy() const;  // the animal is being inserted or edited

    void opening();      // the reference lists
    void showAnimal();   // the current animal's address, after a move of the animal set
    void ownerShown();   // the owner's name on the tool bar
    void append();
    void edit();
    void save();
    void cancel();
    void refresh();
    void remove();
    void copyOwnerAddress();  // actPreencheEndAnimal
    void markAttendance();    // actMarcaAtendimento: the hand-off to the booking form
    void openOccurrences();   // actOcorrencia
    void showInformation();   // actInformacao

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
    // The owner's animals were listed again (after a save, a delete, a cancel or a refresh).
    void animalsListed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void updateActions();
    void showBirthDate();
    void reloadBreeds();
    void breedChosen();
    void reloadAnimals(int locateAnimal = 0);
    void insertAnimal();
    void updateAnimal();
    int ownerId() const;
    QString ownerName() const;
    int animalId() const;

    TfrmPropAnimal* m_form;
    db::DataSet* m_animal;
    db::DataSet* m_address;
    QToolBar* m_tools;
    QLabel* m_ownerName;
    QLineEdit* m_nome;
    ui::DateEdit* m_nascimento;
    QCheckBox* m_copiaEnd;
    ui::LookupComboLink* m_groups;
    ui::LookupComboLink* m_species;
    ui::LookupComboLink* m_breeds;
    ui::LookupComboLink* m_sizes;
    ui::LookupComboLink* m_coats;
    QComboBox* m_raca;
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
inline const QString kDonoAnterior = QStringLiteral("Animal com histórico de dono anterior.\nRegistro não pode ser excluído!");
inline const QString kAtendimentoParticular =
    QStringLiteral("Animal com registro de atendimento particular.\nRegistro não pode ser excluído!");
inline const QString kAtendimento = QStringLiteral("Animal com registro de atendimento.\nRegistro não pode ser excluído!");
inline const QString kVacinaRegistrada = QStringLiteral("Animal com registro de vacina.\nRegistro não pode ser excluído!");
inline const QString kOcorrenciaRegistrada =
    QStringLiteral("Animal com registro de ocorrência.\nRegistro não pode ser excluído!");
inline const QString kAnimalNaoCadastrado = QStringLiteral("É preciso que o animal esteja cadastrado.");
inline const QString kSemInformacao = QStringLiteral("Sem informação.");
inline const QString kExcluirAnimal = QStringLiteral(
    "O registro será excluído definitivamente e todo histórico do animal será perdido alterando analises realizada "
    "anteriormente.\nDeseja continuar?");
}  // namespace registry
