// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProcessorInfo.h"

#include <QFile>
#include <QRegularExpression>
#include <sys/utsname.h>

namespace brindlecast {

namespace {

QString cpuFlagsLine()
{
    QFile cpuInfo(QStringLiteral("/proc/cpuinfo"));
    if (!cpuInfo.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    while (!cpuInfo.atEnd()) {
        const QString line = QString::fromLatin1(cpuInfo.readLine());
        if (line.startsWith(QLatin1String("flags")) || line.startsWith(QLatin1String("Features")))
            return line.section(u':', 1);
    }
    return {};
}

} // namespace

QString addressWidthFor(const QString& machine, const QString& cpuFlags)
{
    static const QRegularExpression sixtyFour(
        QStringLiteral("^(x86_64|amd64|aarch64|arm64|ppc64.*|s390x|riscv64|mips64.*|sparc64|"
                       "loongarch64|alpha|ia64)$"));
    static const QRegularExpression thirtyTwo(
        QStringLiteral("^(i[3-6]86|x86|arm.*|ppc|powerpc|s390|riscv32|mips.*|sparc|m68k)$"));
    if (sixtyFour.match(machine).hasMatch())
        return QStringLiteral("64");
    const QStringList flags = cpuFlags.split(u' ', Qt::SkipEmptyParts);
    if (flags.contains(QLatin1String("lm")))
        return QStringLiteral("64");
    if (thirtyTwo.match(machine).hasMatch())
        return QStringLiteral("32");
    return {};
}

QString processorAddressWidth()
{
    struct utsname names {};
    if (::uname(&names) != 0)
        return {};
    return addressWidthFor(QString::fromLatin1(names.machine), cpuFlagsLine().trimmed());
}

} // namespace brindlecast
