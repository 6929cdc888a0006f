// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notification e-mail of a new attendance: its settings in nurv.conf ([mail]), the text built from
// the attendance's data, and the send.

#include "platform/mail/Smtp.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace scheduling {
inline const QString kAgendadoRemetente = QStringLiteral("Procedimento cirurgico agendado para seu animal.");
inline const QString kAlteracaoRemetente =
    QStringLiteral("Alteração no procedimento cirurgico agendado para seu animal.");
inline const QString kBundledAttachment = QStringLiteral(":/images/brasao.jpg");
}  // namespace scheduling

namespace scheduling {
inline const QString kEnviandoEmail = QStringLiteral("Enviando o e-mail de notificação...");
}  // namespace scheduling

// The [mail] section: host (none: no e-mail at all), port (587), helo, from, to (default: from), subject,
// attachment (default: the bundled coat of arms), timeout (seconds the send may take, 20).
struct MailSettings {
    QString host;
    int port = 587;
    int timeout = 20;
    QString helo;
    QString from;
    QString to;
    QString subject;
    QString attachment = scheduling::kBundledAttachment;
};

// Reads the [mail] section of the settings file (configurationPath(): $NURV_CONFIG, the user's or the
// machine's).
MailSettings readMailSettings();
MailSettings readMailSettings(const QString& path);

// What the e-mail says about one attendance.
struct NotificationData {
    QString owner;
    QString animal;
    QString status;
    QString procedure;
    QString species;
    QDateTime when;
    QString place;
    QString orientation;
};

// The sender's display name: by the status name, trimmed, being "AGENDADO".
QString senderName(const QString& status);
// The orientation text on one line: each "<br>" becomes " - " and takes with it one line break right
// after it (CRLF, LF or CR).
QString orientationLine(const QString& text);
// The ten lines of the body.
QStringList notificationLines(const NotificationData& data);

// The message for the data, addressed as the settings say.
mail::Message notificationMessage(const NotificationData& data, const MailSettings& settings);

// Sends the notification of a newly booked attendance; without a configured host nothing is sent. The window
// is painted while the relay answers, and takes no other action meanwhile. Throws mail::Error or db::Error.
void EnviaEmailAgendamento(const QVariant& attendanceId);
