// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' SMTP sink: an aiosmtpd process and the folder its handler writes the messages into.
#include "SmtpSink.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QThread>

namespace {

sockaddr_in loopback(int port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(quint16(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

bool answers(int port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in a = loopback(port);
    const bool ok = ::connect(s, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

}  // namespace

int SmtpSink::freePort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = loopback(0);
    socklen_t len = sizeof a;
    ::bind(s, reinterpret_cast<const sockaddr*>(&a), sizeof a);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(s);
    return ntohs(a.sin_port);
}

SmtpSink::SmtpSink(Answers mode) {
    m_port = freePort();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PYTHONPATH"), QFileInfo(QStringLiteral(NURV_SMTP_SINK_SCRIPT)).absolutePath());
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arguments{QStringLiteral("-m"),
                          QStringLiteral("aiosmtpd"),
                          QStringLiteral("-n"),
                          QStringLiteral("-l"),
                          QStringLiteral("127.0.0.1:%1").arg(m_port),
                          QStringLiteral("-c"),
                          QStringLiteral("smtp_sink.Sink"),
                          m_folder.path()};
    if (mode == Answers::NotTheMessage)
        arguments << QStringLiteral("stall");
    m_process.start(QStringLiteral("/usr/bin/python3"), arguments);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000 && m_process.state() != QProcess::NotRunning) {
        if (answers(m_port)) {
            m_running = true;
            return;
        }
        QThread::msleep(50);
    }
    ADD_FAILURE() << "the SMTP sink did not start on port " << m_port;
}

SmtpSink::~SmtpSink() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
}

QList<QJsonObject> SmtpSink::messages() const {
    QList<QJsonObject> out;
    const QDir dir(m_folder.path());
    for (const QString& name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            out << QJsonDocument::fromJson(file.readAll()).object();
    }
    return out;
}

SilentRelay::SilentRelay() {
    m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = loopback(0);
    socklen_t len = sizeof a;
    if (m_socket < 0 || ::bind(m_socket, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0 ||
        ::listen(m_socket, 8) != 0 || ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
        ADD_FAILURE() << "the silent relay could not listen";
        return;
    }
    m_port = ntohs(a.sin_port);
}

SilentRelay::~SilentRelay() {
    if (m_socket >= 0)
        ::close(m_socket);
}
