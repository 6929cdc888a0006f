// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The address of an owner or of an animal, bound to a row of endereco and filled from the city's street
// register: by street code, by street name, by postal code, the postal code from the house number, the
// neighbourhoods of the street and the coverage areas of the district.

#include "platform/db/DataSet.h"
#include "registry/address/StreetSql.h"
#include "registry/address/StreetTarget.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace ui {
class LookupComboLink;
enum class ValueKind;
}  // namespace ui

class AddressGroup : public QGroupBox, public StreetTarget {
    Q_OBJECT
public:
    // The owner mode has the official-address box, takes the postal code on Enter and checks the area
    // code; the animal mode takes the postal code on leaving and its numbers keep to the number's side.
    // The animal-address form (024) takes the postal code on Enter, finds no postal code from the number,
    // lists every neighbourhood of classes "O" and "P" once and every area of a district, and searches an
    // unresolved street code at once in a modal search.
    enum class Mode { Owner, Animal, AnimalForm };

    AddressGroup(Mode mode, db::DataSet* address, QWidget* parent = nullptr);

    Mode mode() const { return m_mode; }
    db::DataSet* address() const { return m_address; }
    int searchTag() const { return m_mode == Mode::Owner ? 1 : m_mode == Mode::Animal ? 2 : 4; }

    // Street types, districts and every coverage area, read again (and the animal-address form's
    // neighbourhoods).
    void reloadLists();
    // The neighbourhoods of the address's street (every one of class "P" when it has none); the
    // animal-address form's list does not follow the street.
    void reloadNeighbourhoods();

    bool takesStreet() const override;
    void applyStreet(const streetsql::Street& chosen) override;

    // The texts the save checks and stores.
    QString districtText() const;
    QString streetTypeText() const;
    QString neighbourhoodText() const;

    // Opens the street search for this address.
    void openStreetSearch(const QString& criterion, const QString& text, bool runNow, bool modal = false);

    // What the controls do; the events call them.
    void streetCodeEntered();
    void streetNameLeft();
    void postalCodeTaken();
    void houseNumberLeft();
    void districtChosen();  // the coverage areas of the district chosen
    void areaCodeLeft();

    QComboBox* cbbTipoLograd;
    QLineEdit* edtCodLograd;
    QLineEdit* edtSeq;
    QLineEdit* edtLograd;
    QLineEdit* edtNumImovel;
    QLineEdit* edtComplemento;
    QComboBox* cbbBairro;
    QLineEdit* edtCep;
    QComboBox* cbbDistrito;
    QLineEdit* edtCodArea;
    QComboBox* cbbArea;
    QPushButton* btnLograd;
    QCheckBox* chkEndOficial = nullptr;  // owner mode only

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The constructor's parts, in order.
    void createStreetFields();           // street type, code, sequence, name, house number, complement
    void createLocalityFields();         // neighbourhood, postal code, district, area code and area
    void createStreetButton();           // "...": the street search by the name typed
    void layOut();                       // with the official-address box in owner mode
    QCheckBox* createOfficialAddress();  // owner mode only
    void connectFields();                // what a typed street name, a street or a district changes
    // A control of the group: Enter moves on, leaving takes its colour back, its events reach eventFilter();
    // the edit is bound to `field` of the address.
    QComboBox* makeCombo(const char* name);
    QLineEdit* makeEdit(const char* name, const char* field, ui::ValueKind kind);

    void set(const char* field, const QVariant& value);
    QString str(const char* field) const;

    Mode m_mode;
    db::DataSet* m_address;
    ui::LookupComboLink* m_types;
    ui::LookupComboLink* m_neighbourhoods;
    ui::LookupComboLink* m_districts;
    ui::LookupComboLink* m_areas;
};

namespace registry {
inline const QString kCepInvalido = QStringLiteral("CEP invalido!");
inline const QString kCepLocalizado =
    QStringLiteral("Endereço do CEP correspondente localizado.\nDeseja preencher os campos?");
inline const QString kLogradouroNaoEncontrado = QStringLiteral("Logradouro não encontrado!");
inline const QString kCepNaoEncontrado = QStringLiteral("CEP não encontrado: ");
inline const QString kAreaNaoEncontrada = QStringLiteral("Área não encontrada!");
inline const QString kAreaNaoEncontradaRegional =
    QStringLiteral("Área não encontrada!\nVerifica o a regional selecionada contem esta área.");
}  // namespace registry
