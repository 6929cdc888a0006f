// SPDX-License-Identifier: GPL-3.0-or-later
// The description of the professionals' search dialog.

#include "registers/UProfissionalPesquisa.h"

const ReferenceSearchDialog& profissionalPesquisa() {
    static const ReferenceSearchDialog d{
        .objectName = QStringLiteral("frmProfissionalPesquisa"),
        .caption = QStringLiteral("Pesquisa profissional."),
        .window = ShowAs::MdiChild,
        .searchCaption = QStringLiteral("&Pesquisa"),
        .table = QStringLiteral("profissional"),
        .key = QStringLiteral("Id_Profissional"),
        .noKindMessage = QStringLiteral("Falta selecionar o tipo de procura!"),
        .noTextMessage = QStringLiteral("Falta digitar o texto para realizar a procura!"),
        .selectionLabel = QStringLiteral("Selecione:"),
        .freeKind = true,
        .listsAllOnOpen = true,
        .okNeedsRow = true};
    return d;
}
