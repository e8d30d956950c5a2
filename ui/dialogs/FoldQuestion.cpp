// SPDX-License-Identifier: AGPL-3.0-or-later
#include "FoldQuestion.h"

#include <QMessageBox>
#include <QPushButton>

#include "MessageBoxes.h"

std::optional<Fold> AskFold(QWidget *parent, const ClockOffset &offset, const QString &place, const QString &moment)
{
    const bool doubled = offset.Type == ClockOffset::Kind::Doubled;
    const QString text = doubled ? QStringLiteral("В месте «%1» время %2 было дважды: часы переводили назад. "
                                                  "Какое из двух?")
                                 : QStringLiteral("В месте «%1» времени %2 не было: часы перевели вперёд "
                                                  "через него. По какому поясу считать?");
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(AppTitle), text.arg(place, moment),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("FoldQuestion"));
    QPushButton *before = box.addButton(OffsetText(offset.Seconds.front()) + QStringLiteral(", до перевода часов"),
                                        QMessageBox::AcceptRole);
    QPushButton *after =
        box.addButton(OffsetText(offset.Seconds.back()) + QStringLiteral(", после"), QMessageBox::AcceptRole);
    before->setObjectName(QStringLiteral("FoldEarlier"));
    after->setObjectName(QStringLiteral("FoldLater"));
    box.setEscapeButton(box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole));
    box.exec();
    if (box.clickedButton() == before)
        return Fold::Earlier;
    if (box.clickedButton() == after)
        return Fold::Later;
    return std::nullopt;
}
