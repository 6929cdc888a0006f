// SPDX-License-Identifier: GPL-3.0-or-later
// One sweep over the combo boxes of every form the menu opens and of the windows those lead to: each list a
// clerk can reach takes a choice clicked in its popup and shows it, and a data-aware list writes it into its
// field. A combo the sweep cannot reach fails the sweep too, so a new list in any form is tried or named
// here with the reason.
#include "FormSweep.h"

#include "platform/ui/FieldLink.h"

#include <QComboBox>

namespace {

// Lists no clerk can choose in, by design.
const QHash<QString, QString>& unreachable() {
    static const QHash<QString, QString> lists{
        {QStringLiteral("actMapaDisponibilidade/frmMapaDisponibilidade/cbbStatusAtendimento"),
         QStringLiteral("the e-mail page of the map is disabled")},
    };
    return lists;
}

}  // namespace

class ComboSweep : public FormSweep {
protected:
    // Chooses another item of `combo` (the one item of a list of one) with a click in its list; empty when
    // done, else why a clerk could not.
    QString tryChoose(QComboBox* combo, const QString& where) {
        input::turnToPage(combo);
        if (!combo->isVisible() || !combo->isEnabled())
            return combo->isVisible() ? QStringLiteral("disabled") : QStringLiteral("hidden");
        if (combo->count() == 0) {  // a list read when it is first opened
            input::click(combo, QPoint(combo->width() - 6, combo->height() / 2));
            input::pressKey(combo, Qt::Key_Escape);
        }
        if (combo->count() == 0)
            return QStringLiteral("an empty list");
        const int index = combo->currentIndex() + 1 < combo->count() ? combo->currentIndex() + 1 : 0;
        const QString text = combo->itemText(index);
        const QVariant key = combo->itemData(index);
        QPointer<QComboBox> guard(combo);
        input::chooseItem(combo, index);
        if (!guard)
            return {};
        EXPECT_EQ(combo->currentText().toStdString(), text.toStdString())
            << where.toStdString() << ": the list lost the click";
        ui::FieldLink* link = ui::linkOf(combo);
        if (link && link->writable()) {
            const QVariant stored = link->dataSet()->field(link->field());
            const QString expected = qobject_cast<ui::LookupComboLink*>(link) ? db::toText(key) : text;
            EXPECT_EQ(db::toText(stored).trimmed().toStdString(), expected.trimmed().toStdString())
                << where.toStdString() << ": the field did not take the choice";
        }
        return {};
    }

    // Every combo of `form`: the free lists as the form opened, then, for each data set behind a list, the
    // lists left while a row of it is typed (Alterar, else Novo, of the page or form that holds the list),
    // cancelled afterwards, and last the free lists that were closed before, again after Alterar or Novo
    // where they stay closed.
    void chooseInEveryList(QWidget* form, const QString& name) {
        QList<QPointer<QComboBox>> combos;
        QList<QPointer<db::DataSet>> sets;
        for (QComboBox* combo : form->findChildren<QComboBox*>()) {
            combos << combo;
            if (ui::FieldLink* link = ui::linkOf(combo); link && !sets.contains(link->dataSet()))
                sets << link->dataSet();
        }
        QHash<QComboBox*, QString> left, labels;
        for (const QPointer<QComboBox>& combo : combos)
            labels.insert(combo, name + QLatin1Char('/') + combo->objectName());
        auto boundTo = [](QComboBox* c) { return ui::linkOf(c) ? ui::linkOf(c)->dataSet() : nullptr; };
        // Tries the lists still left, again while a choice fills another list (an owner's animals).
        auto pass = [&](db::DataSet* typed) {
            for (bool progress = true; progress;) {
                progress = false;
                for (const QPointer<QComboBox>& combo : combos) {
                    if (!combo || (left.contains(combo) && left[combo].isEmpty()))
                        continue;
                    if (boundTo(combo) && boundTo(combo) != typed) {
                        if (!left.contains(combo))
                            left.insert(combo, QStringLiteral("its row is never typed"));
                        continue;
                    }
                    left.insert(combo, tryChoose(combo, labels[combo]));
                    progress = progress || left[combo].isEmpty();
                }
            }
        };
        pass(nullptr);
        for (const QPointer<db::DataSet>& data : sets) {
            QComboBox* first = nullptr;
            for (const QPointer<QComboBox>& combo : combos)
                if (combo && !first && boundTo(combo) == data)
                    first = combo;
            if (!data || !first)
                continue;
            input::turnToPage(first);
            if (!sweep::triggerNearest(first, {"Alterar", "Edit", "Novo", "Insert"},
                                       [&] { return data && data->isEditing(); }))
                continue;
            pass(data);
            if (data && data->isEditing())
                sweep::triggerNearest(first, {"Cancelar", "Cancel"}, [&] { return !data || !data->isEditing(); });
            if (data && data->isEditing())
                data->cancel();
        }
        pass(nullptr);                                     // the free lists a typed row kept closed
        for (const QPointer<QComboBox>& combo : combos) {  // free lists open only while a row is typed
            if (!combo || boundTo(combo) || left.value(combo) != QLatin1String("disabled"))
                continue;
            if (sweep::triggerNearest(combo, {"Alterar", "Edit", "Novo", "Insert"},
                                      [&] { return !combo || combo->isEnabled(); })) {
                pass(nullptr);
                if (combo)
                    sweep::triggerNearest(combo, {"Cancelar", "Cancel"}, [&] { return !combo || !combo->isEnabled(); });
            }
        }
        for (auto it = left.cbegin(); it != left.cend(); ++it)
            if (!it.value().isEmpty())
                unreached << labels[it.key()] + QStringLiteral(": ") + it.value();
    }

    QStringList unreached;
};

TEST_F(ComboSweep, EveryListOfEveryFormTakesAClickedChoice) {
    visitEveryWindow([this](QWidget* window, const QString& name) { chooseInEveryList(window, name); });
    QStringList unexpected;
    for (const QString& line : unreached)
        if (!unreachable().contains(line.section(QStringLiteral(": "), 0, 0)))
            unexpected << line;
    EXPECT_EQ(unexpected.join(QLatin1Char('\n')).toStdString(), "") << "lists a clerk could not choose in";
}
