// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Novo atendimento.": books and edits one attendance of an animal (owner, animal, performing unit, date
// and hour, status, surgery authorisation, the animal's sterilised flag), with the pages of its
// professionals, procedures, used medicines and prescriptions and the day summary of the unit; it prints
// the surgery authorisation and the prescription sheet. A new booking sends the notification e-mail.

#include "common/register/RegisterForm.h"

#include <QDate>
#include <QPointer>
#include <optional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class MemberPage;
class MedicinePage;
class SummaryPage;
class ReceituarioPage;
struct ReceituarioSheet;

namespace ui {
class DateEdit;
class LookupComboLink;
}  // namespace ui

namespace scheduling {
inline const QString kEmailNaoEnviado =
    QStringLiteral("Operação realizada com sucesso!\nO e-mail de notificação não foi enviado: ");
}  // namespace scheduling

class TfrmAgendaNovoAtendimento : public RegisterForm {
    Q_OBJECT
public:
    explicit TfrmAgendaNovoAtendimento(QWidget* parent = nullptr);
    ~TfrmAgendaNovoAtendimento() override;

    // Opened by the owner and animal register: with the hand-off set (ModoAgendamento 1, both ids), a new
    // row of the handed owner and animal at the owner's unit on the server's date; else empty.
    static TfrmAgendaNovoAtendimento* openPreset();
    // Opened by the agenda on its day: the one attendance, or all of them when the id is null. The hand-off
    // is not read.
    static TfrmAgendaNovoAtendimento* openFromAgenda(const QDate& day, const QVariant& attendanceId);

    QLineEdit* dbeCodAnimal;
    QComboBox* cbbAnimal;
    QLineEdit* dbeCodProp;
    QComboBox* dblNomeProp;
    ui::DateEdit* dtpData;
    QLineEdit* mkeHora;
    QLineEdit* dbeId_Atendimento;
    QComboBox* dblStatusAtendimento;
    QComboBox* dblUnidadeTrabalho;
    QComboBox* dbcEsterilizado;
    QGroupBox* dbrAutorCirurgia;
    QPushButton* btnAutorCirurgia;
    QPushButton* btnReceituario;
    QPushButton* btnAgendaProf;

    MemberPage* tbsProfissionais;
    MemberPage* tbsProcedimentos;
    MedicinePage* tbsMedicamentoGasto;
    SummaryPage* tbsResumo;
    ReceituarioPage* tbsReceituario;

    void append() override;
    void remove() override;  // an attendance is cancelled through its status, never deleted here

protected:
    bool validate() override;
    // Inside the save's transaction: the row takes the owner, animal, unit and date-hour shown (and, when
    // new, the login unit), and the animal's sterilised flag is written with it.
    void beforePost(bool inserting) override;
    // A new attendance: the animal's attendances are shown on it, and the notification e-mail goes.
    void afterCommit(bool inserting) override;
    QString savedMessage(bool inserting) const override;  // says when the e-mail was not sent, and why

private:
    // The constructor's parts, in order.
    void describeRegister();      // table, statements, defaults; no grid page, search, print or delete
    void createIdentification();  // the controls of "Identificação"
    void createSurgeryAuthorisation();
    void layoutIdentification();
    void createPages();  // professionals, procedures, used medicines, day summary, prescriptions
    void loadLists();    // the owners, units and statuses offered, the procedures and medicines
    void connectRow();   // a move or a changed owner or animal shows what goes with the row

    void startPreset(const QVariant& ownerId, const QVariant& animalId);
    void loadRow();
    void loadAnimals();
    void loadSterilised();
    ReceituarioSheet prescriptionSheet() const;  // the sheet's heading as the form shows it now
    void printSurgeryAuthorisation();
    QVariant rowField(const QString& name) const;  // null without a current row
    QWidget* controlFor(int which) const;

    ui::LookupComboLink* m_owner;
    ui::LookupComboLink* m_animal;
    ui::LookupComboLink* m_status;
    ui::LookupComboLink* m_unit;
    int m_page = 0;
    // The animal's sterilised flag as shown, and of which animal.
    QVariant m_sterilisedAnimal, m_sterilisedRead;
    std::optional<QString> m_mailFailure;  // why the last new attendance's e-mail was not sent
};

inline QPointer<TfrmAgendaNovoAtendimento> frmAgendaNovoAtendimento;
