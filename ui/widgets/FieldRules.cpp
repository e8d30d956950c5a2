// SPDX-License-Identifier: AGPL-3.0-or-later
#include "FieldRules.h"

#include "FieldText.h"
#include "MessageBoxes.h"

int FieldValue(const QString &text)
{
    const auto value = ParseDecimal(text.toStdString());
    if (!value)
        throw VelmoraError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return *value;
}

namespace {

bool IsDigit(QChar key) { return key >= u'0' && key <= u'9'; }

constexpr char16_t Backspace = 8;

} // namespace

KeyDecision DateTimeKey(QChar key)
{
    if (IsDigit(key))
        return KeyDecision::Overtype;
    return key == Backspace ? KeyDecision::Pass : KeyDecision::Discard;
}

KeyDecision PlaceKey(QChar key)
{
    return IsDigit(key) || key == Backspace ? KeyDecision::Overtype : KeyDecision::Discard;
}

QString ZeroFilled(int value, int width) { return ZeroFilled(QString::number(value), width); }

QString ZeroFilled(const QString &text, int width)
{
    if (text.isEmpty() || text.size() >= width)
        return text;
    return QString(width - text.size(), u'0') + text;
}

QString CutAboveLimit(const QString &text, int limit)
{
    if (!text.isEmpty() && FieldValue(text) > limit)
        return text.left(text.size() - 1);
    return text;
}

KeyUpAction KeyUpRule(const QString &text, int caret, int threshold)
{
    if (text.isEmpty())
        return KeyUpAction::None;
    if (FieldValue(text.left(1)) > threshold)
        return text.size() == 1 ? KeyUpAction::MoveOn : KeyUpAction::KeepFirstAndMoveOn;
    if (text.size() == 2 && caret == 2)
        return KeyUpAction::MoveOn;
    return KeyUpAction::None;
}

ExitResult DateFieldExit(const QString &text, int caret, const QString &startupText, const DateFieldRule &rule)
{
    QString result = text;
    if (caret == 1 && !result.isEmpty() && rule.completable.contains(result.front()))
        result = QStringLiteral("0") + result.front();
    const bool allZero = !result.isEmpty() && result.size() <= rule.width && result.count(u'0') == result.size();
    if (result.isEmpty() || allZero)
        result = startupText;
    result = ZeroFilled(result, rule.width);
    return {result, FieldValue(result) > rule.limit};
}

ExitResult TimeFieldExit(const QString &text, const QString &startupText, int limit)
{
    QString result = text.isEmpty() ? startupText : text;
    if (result.size() == 1)
        result.prepend(u'0');
    return {result, FieldValue(result) > limit};
}

QString PlaceFieldExit(const QString &text, const QString &startupText, int width)
{
    return ZeroFilled(text.isEmpty() ? startupText : text, width);
}

QString SpinStep(const QString &text, bool up, int low, int high, int width)
{
    int value = FieldValue(text);
    if (up && value < high)
        ++value;
    else if (!up && value > low)
        --value;
    return value < 0 ? QString::number(value) : ZeroFilled(QString::number(value), width);
}

QString TypeThroughMinutes(QChar digit, const QString &minutes) { return QString(digit) + minutes.mid(1); }
