#pragma once
// An SMTP relay for the tests: aiosmtpd on a free loopback port, started by the constructor and stopped by
// the destructor, keeping every message it receives, read back decoded. It refuses (550) the recipient
// "recusado@" of any domain.

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QTemporaryDir>

class SmtpSink {
public:
    SmtpSink();   // fails the test when the sink does not answer within a few seconds
    ~SmtpSink();

    int port() const { return m_port; }
    bool running() const { return m_running; }

    // The messages received so far, in order: mailFrom, rcptTos, fromName, fromAddress, to, subject, date,
    // messageId, body (the decoded text), attachments (name, type, size, head: the first bytes in hex) and
    // headerLines (the message's header lines as they arrived, folded).
    QList<QJsonObject> messages() const;

    // A loopback port nothing listens on when it returns.
    static int freePort();

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    int m_port = 0;
    bool m_running = false;
};
