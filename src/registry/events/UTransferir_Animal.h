// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 021 - animal transfer: two owners side by side, each with the owner's animals; animals moved from one list
// to the other change owner, with a history row each, when "&Transferir" is pressed.

#include <QPointer>
#include <QWidget>

class QGroupBox;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTreeWidget;

namespace ui {
class DateEdit;
}

class TfrmTransferir_Animal : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTransferir_Animal(QWidget* parent = nullptr);

    void moveSelected(bool toSecond);  // ">" and "<"
    void moveAll(bool toSecond);       // ">>" and "<<"
    void transfer();                   // &Transferir
    void clearSides();                 // &Limpar

    // The views of the first list, chosen in its pop-up menu: the columns, or the captions alone in a list,
    // as large icons or side by side.
    enum class ListView { Details, List, Icons, SideBySide };
    void setFirstListView(ListView view);

    QLineEdit* ediCodigo_atual;
    QLineEdit* ediNome_atual;
    QLineEdit* ediEndereco_atual;
    QTreeWidget* ltvAnimal_Prop_atual;
    QLineEdit* edicodigo_Destino;
    QLineEdit* ediNome_destino;
    QLineEdit* ediEndereco_destino;
    QTreeWidget* ltvAnimal_Prop_destino;
    QListView* lvwAnimal_Prop_atual;  // the first list's animals in its other views
    QMenu* ppmAnimal_Prop_atual;
    ui::DateEdit* dtpDataTransferencia;
    QPushButton* bmpTransferir;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createSides();
    void createButtons();
    void layOut();
    void connectControls();
    QPushButton* makeButton(const char* name, const QString& caption);
    QStackedWidget* buildFirstListViews(QWidget* parent);

    QGroupBox* m_sides[2] = {};
    QPushButton* m_moveOne = nullptr;  // ">"
    QPushButton* m_backOne = nullptr;  // "<"
    QPushButton* m_moveAll = nullptr;  // ">>"
    QPushButton* m_backAll = nullptr;  // "<<"
    QPushButton* m_clear = nullptr;    // "&Limpar"
    QPushButton* m_leave = nullptr;    // "&Sair"
    QStackedWidget* m_firstViews = nullptr;
    bool m_shown = false;
};

inline QPointer<TfrmTransferir_Animal> frmTransferir_Animal;

namespace registry {
inline const QString kMesmosProprietarios =
    QStringLiteral("O primeiro e o segundo proprietário selecionado são os mesmos.");
inline const QString kFaltaPrimeiroProprietario = QStringLiteral("Falta selecionar o primeiro proprietário!");
inline const QString kFaltaSegundoProprietario = QStringLiteral("Falta selecionar o segundo proprietário!");
inline const QString kErroTransferir = QStringLiteral("Erro ao tentar transferir.");
}  // namespace registry
