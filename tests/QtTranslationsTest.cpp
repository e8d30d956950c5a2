// SPDX-License-Identifier: AGPL-3.0-or-later
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>

#include <gtest/gtest.h>

#include <memory>

#include "EditField.h"
#include "QtTranslations.h"

// The right-button menu of an input field reads in Russian.
TEST(QtTranslations, EditFieldMenuIsRussian)
{
    ASSERT_TRUE(InstallQtTranslations(*QCoreApplication::instance()));
    EditField field(QStringLiteral("ClientDay"), 2);
    field.setText(QStringLiteral("12"));
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator())
            texts << action->text();
    EXPECT_FALSE(texts.isEmpty());
    for (const QString &text : texts) {
        bool cyrillic = false;
        for (const QChar c : text)
            cyrillic = cyrillic || c.script() == QChar::Script_Cyrillic;
        EXPECT_TRUE(cyrillic) << text.toStdString();
    }
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
}
