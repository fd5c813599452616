// SPDX-License-Identifier: GPL-3.0-or-later
#include "../loop_priority.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

#include <algorithm>
#include <cerrno>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

const QString kRealtimeKit = QStringLiteral("org.freedesktop.RealtimeKit1");
const QString kRealtimeKitPath = QStringLiteral("/org/freedesktop/RealtimeKit1");
constexpr int kHighest = -20;
// RealtimeKit answers at once; one that hangs must not hold up the tree for long.
constexpr int kBusTimeoutMs = 2000;

// On Linux a thread id names that one thread to the nice-level calls.
int NiceOf(long thread) {
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(thread));
    return errno == 0 ? nice : 0;
}

bool SetNice(long thread, int nice) {
    return setpriority(PRIO_PROCESS, static_cast<id_t>(thread), nice) == 0 && NiceOf(thread) == nice;
}

QString Nice(int level) {
    return QStringLiteral("nice %1").arg(level);
}

} // namespace

void GiveWayBetweenPolls() {
    // The scheduler moves this thread's turn one slice back, so a waiting thread goes first however
    // light its weight; with nothing else runnable on the core it returns at once.
    sched_yield();
}

LoopPriority::LoopPriority()
    : m_thread(syscall(SYS_gettid))
    , m_before(NiceOf(m_thread)) {
    if (!SetDirectly() && !AskRealtimeKit()) {
        m_granted = Nice(m_before) + QStringLiteral(", not raised (no permission, no RealtimeKit)");
    }
}

LoopPriority::~LoopPriority() {
    // Raising a nice level again needs no permission.
    if (NiceOf(m_thread) != m_before) {
        setpriority(PRIO_PROCESS, static_cast<id_t>(m_thread), m_before);
    }
}

bool LoopPriority::SetDirectly() {
    // Root and CAP_SYS_NICE may go to -20; RLIMIT_NICE lets others go to 20 less its soft limit.
    int level = kHighest;
    if (!SetNice(m_thread, level)) {
        rlimit limit{};
        if (getrlimit(RLIMIT_NICE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
            return false;
        }
        level = 20 - static_cast<int>(std::min<rlim_t>(limit.rlim_cur, 40));
        if (level >= m_before || !SetNice(m_thread, level)) {
            return false;
        }
    }
    m_granted = Nice(level) + QStringLiteral(", set directly");
    return true;
}

bool LoopPriority::AskRealtimeKit() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        return false;
    }
    QDBusMessage get = QDBusMessage::createMethodCall(kRealtimeKit, kRealtimeKitPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << kRealtimeKit << QStringLiteral("MinNiceLevel");
    const QDBusMessage limit = bus.call(get, QDBus::Block, kBusTimeoutMs);
    if (limit.type() != QDBusMessage::ReplyMessage || limit.arguments().isEmpty()) {
        return false;
    }
    const int level = limit.arguments().first().value<QDBusVariant>().variant().toInt();
    if (level >= m_before) {
        return false;
    }
    QDBusMessage ask = QDBusMessage::createMethodCall(kRealtimeKit, kRealtimeKitPath, kRealtimeKit,
                                                      QStringLiteral("MakeThreadHighPriority"));
    ask << static_cast<qulonglong>(m_thread) << static_cast<qint32>(level);
    const QDBusMessage reply = bus.call(ask, QDBus::Block, kBusTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || NiceOf(m_thread) != level) {
        return false;
    }
    m_granted = Nice(level) + QStringLiteral(", granted by RealtimeKit");
    return true;
}
