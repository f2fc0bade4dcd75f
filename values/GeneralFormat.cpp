#include "values/GeneralFormat.h"

#include <QLocale>
#include <QRegularExpression>

QString FormatGeneral(double value, QChar decimalSeparator)
{
    if (value == 0.0)
        return QStringLiteral("0");
    // 'g' with 15 digits already drops trailing zeros and switches to an
    // exponent below 1e-4; only the exponent's spelling differs ("e-07").
    QString text = QString::number(value, 'g', 15);
    static const QRegularExpression exponent(QStringLiteral("e([+-])0*(\\d+)$"));
    const QRegularExpressionMatch match = exponent.match(text);
    if (match.hasMatch()) {
        const QString sign = match.captured(1) == u'-' ? QStringLiteral("-") : QString();
        text.replace(match.capturedStart(), match.capturedLength(), u'E' + sign + match.captured(2));
    }
    text.replace(u'.', decimalSeparator);
    return text;
}

QChar UserDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}
