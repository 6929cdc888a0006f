// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rules of an owner's record without a database: the checks before a save in their fixed order, the web
// account's phone, how the stored block state reads, and the owner consult's criteria.

#include <QString>
#include <QVariantHash>
#include <functional>
#include <optional>

namespace registry {
inline const QString kFaltaUnidade = QStringLiteral("Falta preencher campo unidade.");
inline const QString kFaltaNome = QStringLiteral("Falta preencher campo nome do proprietário.");
inline const QString kFaltaSobrenome = QStringLiteral("Falta informar o sobre nome do proprietário.");
inline const QString kFaltaTelefone = QStringLiteral("Falta informar o número o telefone.");
inline const QString kFaltaTipoPessoa = QStringLiteral("Falta selecionar o campo CPF/CNPJ.");
inline const QString kFaltaEmail = QStringLiteral("Falta informar o e-mail. ");
inline const QString kEmailInvalido = QStringLiteral("E-mail invalido.");
inline const QString kFaltaSenha = QStringLiteral("Falta informa a senha.");
inline const QString kSenhaDezCaracteres = QStringLiteral("A senha deve ter 10 caracteres.");
inline const QString kFaltaDistrito = QStringLiteral("Falta preencher campo distrito.");
inline const QString kFaltaTipoLograd = QStringLiteral("Falta preencher o tipo de logradouro.");
inline const QString kFaltaCodLograd = QStringLiteral("Falta preencher o código do logradouro.");
inline const QString kFaltaSeq = QStringLiteral("Falta preencher o campo Seq. Reveja o endereço do proprietário.");
inline const QString kFaltaLograd = QStringLiteral("Falta preencher o campo logradouro.");
inline const QString kFaltaNumImovel = QStringLiteral("Falta preencher o número do imóvel.");
inline const QString kFaltaBairro = QStringLiteral("Falta preencher o bairro do proprietário.");
inline const QString kCpfInvalido = QStringLiteral("CPF Inválido.");
inline const QString kCnpjInvalido = QStringLiteral("CNPJ invalido!");
inline const QString kDocumentoCadastrado = QStringLiteral("CPF/CNPJ já cadastrado.");
inline const QString kEmailCadastrado = QStringLiteral("E-mail já cadastrado na base de dados.");
inline const QString kUsuarioCadastrado = QStringLiteral("Usuário já cadastrado!");

inline const QString kFisica = QStringLiteral("FÍSICA");
inline const QString kJuridica = QStringLiteral("JURÍDICA");
}  // namespace registry

// The owner as the form holds it when saving.
struct OwnerValues {
    bool inserting = false;
    bool editing = false;
    QString unit;  // the unit list's text
    QString name;
    QString residentialPhone;  // as the masked edit shows it
    QString personType;
    QString email;
    bool passwordOpen = false;  // the password box takes a new password
    QString password;
    QString district;
    QString streetType;
    QString streetCode;
    QString streetSequence;
    QString streetName;
    QString houseNumber;
    QString neighbourhood;
    QString document;
};

// The owner on show, as the owner page hands it to the form and the form to the animal page: its id (0 for none
// or a new one), its name and its address by column (empty without one).
struct OwnerShown {
    int id = 0;
    QString name;
    QVariantHash address;
};

// The checks that read the database, asked only when the checks before them passed.
struct OwnerLookups {
    std::function<bool()> documentTaken;   // another active owner has the document
    std::function<int()> ownerEmailCount;  // other active owners with the e-mail
    std::function<int()> userEmailCount;   // active web users with the e-mail, the owner's own account aside
    std::function<bool()> loginTaken;      // an active web user other than the owner's own has the login
};

// The first failing check: its number, the control to colour and focus, the message.
struct FieldRefusal {
    int check = 0;
    QString control;
    QString message;
    bool colour = true;  // the document's check-digit and duplicate refusals only focus
};

// The checks from `firstCheck` on; kFirstDuplicateCheck runs only the duplicate look-ups (document, e-mail, login).
std::optional<FieldRefusal> ValidaCamposProprietario(const OwnerValues& owner, const OwnerLookups& lookups,
                                                     int firstCheck = 1);
inline constexpr int kFirstDuplicateCheck = 20;

// What the document box keeps of a typed or pasted text: for a legal person (kJuridica) the letters and
// digits of the alphanumeric CNPJ, letters in capitals, at most 14; for anyone else the digits of a CPF, at
// most 11. Punctuation and blanks are dropped, so the document is stored and compared without them.
QString documentTyped(const QString& personType, const QString& text);
// The person type a document implies: FÍSICA for the 11 characters of a CPF, JURÍDICA for the 14 of a CNPJ
// (punctuation and blanks aside); empty for any other.
QString personTypeOf(const QString& document);
// How many characters the box lets in at once: a number pasted with its punctuation fits.
int documentBoxLength(const QString& personType);

// A masked phone edit shows its literals even when nothing was typed: such a phone is blank.
bool phoneBlank(const QString& phone);

// The phone of a web account: area code and number of "(dd)nnnn..." text, the first given of the owner's
// mobile, residential and message phones.
struct WebPhone {
    bool present = false;
    QString areaCode;
    QString number;
};
WebPhone webPhone(const QString& mobile, const QString& residential, const QString& message);
WebPhone splitPhone(const QString& phone);

// Reading of usuario.Bloqueado, blanks, case and accents aside: "SIM" and "WEB" block, "NÃO" ("NAO") and blank
// free; anything else says nothing.
std::optional<bool> blockedBy(const QString& stored);
bool blockedByWeb(const QString& stored);

// The block box's caption and whether it is drawn red for a stored value.
struct BlockLook {
    QString caption;
    bool red = false;
};
BlockLook blockLook(const QString& stored);

namespace registry {
inline const QString kBloquearAcesso = QStringLiteral("Bloquear acesso.");
}  // namespace registry

// The criteria of the owner consult.
namespace registry {
inline const QString kConsultaCodigoProp = QStringLiteral("Código prop.");
inline const QString kConsultaNomeProp = QStringLiteral("Nome prop.");
inline const QString kConsultaDocumento = QStringLiteral("CPF / CNPJ");
inline const QString kConsultaIdentidade = QStringLiteral("C. Identidade");
inline const QString kConsultaLogradouro = QStringLiteral("Logradouro");
inline const QString kConsultaCodAnimal = QStringLiteral("Cód. Animal");
inline const QString kConsultaNomeAnimal = QStringLiteral("Nome Animal");
inline const QString kConsultaMicrochip = QStringLiteral("Microchip");
}  // namespace registry
