// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 48 - the availability map: surgery vacancy slots per unit, species and date-hour that the outside web
// system offers to owners. A shell over its pages: the slot editor ("Principal"), the e-mail page (built
// disabled) and the special bookings.

#include <QPointer>
#include <QWidget>

class AgendamentoEspecialPage;
class MapaPrincipalPage;
class QStatusBar;
class QTabWidget;

class TfrmMapaDisponibilidade : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMapaDisponibilidade(QWidget* parent = nullptr);

    QTabWidget* pgcPrincipal;
    MapaPrincipalPage* mainPage;
    AgendamentoEspecialPage* specialPage;
    QStatusBar* stbPrincipal;
};

inline QPointer<TfrmMapaDisponibilidade> frmMapaDisponibilidade;
