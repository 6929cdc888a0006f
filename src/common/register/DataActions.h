// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The actions of a data-entry tool bar that the registers and the pages of the larger forms share: their
// captions and keys are set here once.

#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QToolBar;
class QWidget;

namespace db {
class DataSet;
}

enum class DataAction {
    Append,
    Edit,
    Delete,
    Refresh,
    Post,
    Cancel,
    First,
    Prior,
    Next,
    Last,
    Print,
    Search,
    Exit,
    Information
};

// An action of `owner` that answers its keys only while the focus is inside `owner`: several registers in
// the main window, or two pages of one form, carry the same keys.
QAction* makeScopedAction(QWidget* owner, const char* objectName, const QString& caption,
                          const QList<QKeySequence>& keys = {});

// One of the shared actions, with its caption and keys, under the object name the form gives it.
QAction* makeDataAction(QWidget* owner, DataAction which, const char* objectName);

// The data actions that follow a data set's state; an action a form does not carry stays null.
struct DataActionSet {
    QAction* append = nullptr;
    QAction* edit = nullptr;
    QAction* remove = nullptr;
    QAction* refresh = nullptr;
    QAction* post = nullptr;
    QAction* cancel = nullptr;
    QAction* first = nullptr;
    QAction* prior = nullptr;
    QAction* next = nullptr;
    QAction* last = nullptr;
    QAction* search = nullptr;
};

// While a row is typed only Gravar and Cancelar are enabled; otherwise Alterar and Excluir need a current row
// and the moves a row to move to.
void updateDataActions(const DataActionSet& actions, const db::DataSet& data);

// The data actions of a register, or of a page that works like one, under their usual object names.
struct RegisterActions {
    QAction* actAppend = nullptr;
    QAction* actEdit = nullptr;
    QAction* actDelete = nullptr;
    QAction* actRefresh = nullptr;
    QAction* actPost = nullptr;
    QAction* actCancel = nullptr;
    QAction* actFirst = nullptr;
    QAction* actPrior = nullptr;
    QAction* actNext = nullptr;
    QAction* actLast = nullptr;
    QAction* actPrint = nullptr;
    QAction* actPesquisar = nullptr;
    QAction* actSair = nullptr;
    QAction* actInformation = nullptr;

    // Makes them on `owner`, with their captions and keys.
    void createRegisterActions(QWidget* owner);
    // The tool bar of these actions, in groups: data set, save, moves, print and search (with `besideSearch`),
    // exit.
    QToolBar* makeToolBar(QWidget* parent, const QString& objectName, const QList<QAction*>& besideSearch = {}) const;
    // Primeiro, Anterior, Próximo and Último move `data`'s cursor.
    void moveThrough(db::DataSet* data) const;
    // Those that follow the data set's state.
    DataActionSet dataActions() const {
        return {actAppend, actEdit,  actDelete, actRefresh, actPost,     actCancel,
                actFirst,  actPrior, actNext,   actLast,    actPesquisar};
    }
};
