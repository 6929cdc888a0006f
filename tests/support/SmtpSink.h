// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Always: answers every command. NotTheMessage: takes the envelope and the message, then never answers.
    enum class Answers { Always, NotTheMessage };

    explicit SmtpSink(Answers answers = Answers::Always);  // fails the test when the sink does not start
    ~SmtpSink();

    int port() const { return m_port; }
    bool running() const { return m_running; }

    // The messages received so far, in order: mailFrom, rcptTos, fromName, fromAddress, to, subject, date,
    // messageId, body (the decoded text), attachments (name, type, size, head: the first bytes in hex) and
    // headerLines (the message's header lines as they arrived, folded) and partHeaderLines (those of its parts).
    QList<QJsonObject> messages() const;

    // A loopback port nothing listens on when it returns.
    static int freePort();

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    int m_port = 0;
    bool m_running = false;
};

// A relay that takes the connection and never says a word: a loopback port that listens and never accepts
// (the system completes the connection all the same).
class SilentRelay {
public:
    SilentRelay();
    ~SilentRelay();
    SilentRelay(const SilentRelay&) = delete;
    SilentRelay& operator=(const SilentRelay&) = delete;
    int port() const { return m_port; }

private:
    int m_socket = -1;
    int m_port = 0;
};
