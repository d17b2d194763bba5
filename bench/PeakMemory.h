#pragma once

// The peak resident memory a probe prints: the high-water mark of its own
// address space (VmHWM), not ru_maxrss, which a process started by the
// benchmark takes over from the benchmark's own peak across exec.

#include <QByteArray>
#include <QFile>
#include <QString>

// The "VmHWM:" line of /proc/self/status, in kilobytes; 0 if not found.
inline long PeakResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray mark = "VmHWM:";
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(mark))
            return line.mid(mark.size()).trimmed().split(' ').first().toLong();
    }
    return 0;
}
