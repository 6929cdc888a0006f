// SPDX-License-Identifier: GPL-3.0-or-later
// The notification e-mail of a new attendance.
#include "scheduling/booking/NotificationMail.h"

#include "common/Configuration.h"
#include "common/Prompts.h"
#include "common/rules/Formats.h"
#include "platform/db/Database.h"
#include "scheduling/booking/AtendimentoSql.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

using namespace scheduling;

MailSettings readMailSettings() { return readMailSettings(configurationPath()); }

MailSettings readMailSettings(const QString& path) {
    MailSettings s;
    if (path.isEmpty() || !QFile::exists(path))
        return s;
    QSettings ini(path, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("mail"));
    const auto text = [&](const char* key, const QString& fallback = {}) {
        return settingText(ini, QString::fromLatin1(key), fallback);
    };
    s.host = text("host");
    bool ok = false;
    const int port = text("port").toInt(&ok);
    if (ok && port > 0 && port < 65536)
        s.port = port;
    const int timeout = text("timeout").toInt(&ok);
    if (ok && timeout > 0)
        s.timeout = timeout;
    s.helo = text("helo");
    s.from = text("from");
    s.to = text("to", s.from);
    s.subject = text("subject");
    s.attachment = text("attachment", kBundledAttachment);
    return s;
}

QString senderName(const QString& status) {
    return db::sameText(status, QStringLiteral("AGENDADO")) ? kAgendadoRemetente : kAlteracaoRemetente;
}

QString orientationLine(const QString& text) {
    QString out = text;
    static const QRegularExpression mark(QStringLiteral("<br>(\\r\\n|\\n|\\r)?"));
    out.replace(mark, QStringLiteral(" - "));
    return out;
}

QStringList notificationLines(const NotificationData& d) {
    const QString procedure = d.procedure.trimmed().isEmpty() ? QStringLiteral("A definir.") : d.procedure;
    return {QStringLiteral("==> Óla ") + d.owner,
            QStringLiteral("Um procedimento foi agendado para seu animal, veja os dados abaixo e a instrução que deve "
                           "ser seguida."),
            QStringLiteral("Nome do animal: ") + d.animal,
            QStringLiteral("Status do atendimento: ") + d.status,
            QStringLiteral("Procedimento: ") + procedure,
            QStringLiteral("Espécie do animal: ") + d.species,
            QStringLiteral("Data/hora : ") + fmt::dateTime(d.when),
            QStringLiteral("Local: ") + d.place,
            QString(),
            orientationLine(d.orientation)};
}

mail::Message notificationMessage(const NotificationData& data, const MailSettings& settings) {
    mail::Message m;
    m.fromAddress = settings.from;
    m.fromName = senderName(data.status);
    m.to = {settings.to};
    m.subject = settings.subject;
    m.body = notificationLines(data).join(QLatin1Char('\n'));
    if (!settings.attachment.isEmpty())
        m.attachments = {settings.attachment};
    return m;
}

void EnviaEmailAgendamento(const QVariant& attendanceId) {
    const MailSettings settings = readMailSettings();
    if (settings.host.isEmpty())
        return;
    NotificationData data;
    const db::RowSet rows = atendimentosql::notificationRow(attendanceId);
    if (rows.count() > 0) {
        const auto text = [&](const char* field) {
            return db::toText(rows.row(0)[rows.indexOrThrow(QLatin1String(field))]);
        };
        data.owner = text("nome_proprietario");
        data.animal = text("animal");
        data.status = text("status_atendimento");
        data.procedure = text("procedimento");
        data.species = text("nome_especie");
        data.place = text("end_local_atendimento");
        data.when = db::toDateTime(rows.row(0)[rows.indexOrThrow(QStringLiteral("Data_Hora_Atendimento"))]);
    }
    data.orientation = atendimentosql::standardOrientation();
    const mail::Message message = notificationMessage(data, settings);
    Prompts::runAside(scheduling::kEnviandoEmail, [&] {
        mail::send({settings.host, settings.port, settings.helo, settings.timeout}, message);
    });
}
