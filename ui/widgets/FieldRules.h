// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

// The editing rules of the input fields as plain text arithmetic: what a
// typed character does, what a field's text becomes when it is left, cut or
// stepped. Conversions of a text that is not a number (only a paste can put
// one there) throw VelmoraError "'%s' is not a valid integer value".

// The value of a field's text: a plain decimal conversion.
int FieldValue(const QString &text);

// What the key filter does with a typed character.
enum class KeyDecision {
    Discard,  // the field never sees it
    Pass,     // the field handles it as usual
    Overtype, // one character at the caret is selected first, then it is typed
};

// Date and time fields: digits overtype, Backspace passes, the rest is discarded.
KeyDecision DateTimeKey(QChar key);
// Correction and longitude fields: digits and Backspace overtype.
KeyDecision PlaceKey(QChar key);

// "0" characters in front up to width; empty and longer texts stay as they are.
QString ZeroFilled(const QString &text, int width);
// A value of 0 or above in decimal digits, "0" characters in front up to
// width: 7 and 2 give "07".
QString ZeroFilled(int value, int width);

// The text with its last character removed while its value is above limit.
QString CutAboveLimit(const QString &text, int limit);

// What a key release in a two-digit date or time field asks for.
enum class KeyUpAction { None, MoveOn, KeepFirstAndMoveOn };
// threshold: the largest first digit that can begin a two-digit value.
KeyUpAction KeyUpRule(const QString &text, int caret, int threshold);

// A date field left by the focus.
struct DateFieldRule {
    int width;
    int limit;
    QString completable; // digits that a lone digit before the caret completes to "0d"
};
struct ExitResult {
    QString text;
    bool keepFocus = false; // the value is above the limit: the focus goes back
};
ExitResult DateFieldExit(const QString &text, int caret, const QString &startupText, const DateFieldRule &rule);

// A time field left: empty takes the start-up text, one character gets a "0".
ExitResult TimeFieldExit(const QString &text, const QString &startupText, int limit);

// A correction or longitude field left: empty takes the start-up text, then
// zeros in front by length up to width. Never converts, never keeps the focus.
QString PlaceFieldExit(const QString &text, const QString &startupText, int width);

// One spin step within low..high, written zero-filled to width; a negative
// value is written with its sign and no zeros.
QString SpinStep(const QString &text, bool up, int low, int high, int width);

// Degrees text typed through into the minutes: the minutes text with its first
// character replaced by digit, or the digit alone for an empty text.
QString TypeThroughMinutes(QChar digit, const QString &minutes);
