#include "bench/Machine.h"

#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>

#include <thread>

namespace {

QString ProcessorModel()
{
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (!cpuinfo.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringLiteral("unknown processor");
    static const QRegularExpression modelLine(QStringLiteral("^model name\\s*:\\s*(.+)$"),
                                              QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = modelLine.match(QString::fromUtf8(cpuinfo.readAll()));
    return match.hasMatch() ? match.captured(1).trimmed() : QStringLiteral("unknown processor");
}

} // namespace

QString MachineDescription()
{
    return QStringLiteral("Date: %1 · Machine: %2, %3 cores · Qt %4, platform %5")
        .arg(QDate::currentDate().toString(Qt::ISODate), ProcessorModel())
        .arg(std::thread::hardware_concurrency())
        .arg(QString::fromLatin1(qVersion()), QGuiApplication::platformName());
}
