// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "AboutUnit.h"
#include "BuildInfo.h"
#include "ModalWatcher.h"

#include <QLabel>

namespace {

QLabel *Child(const TAboutBox &box, const char *name) { return box.findChild<QLabel *>(QString::fromLatin1(name)); }

} // namespace

TEST(AboutBox, Layout)
{
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("О программе"));
    EXPECT_EQ(box.size(), QSize(289, 105));
    const struct {
        const char *name;
        QPoint position;
        QColor color;
        int pixelSize;
    } labels[] = {
        {"ProductName", {35, 10}, QColor(128, 0, 0), 11},
        {"Version", {193, 27}, QColor(128, 0, 0), 11},
        {"Label3", {6, 60}, QColor(0, 0, 128), 12},
        {"Label2", {6, 76}, QColor(0, 0, 128), 12},
    };
    for (const auto &l : labels) {
        const QLabel *label = Child(box, l.name);
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->pos(), l.position) << l.name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), l.color) << l.name;
        EXPECT_EQ(label->font().pixelSize(), l.pixelSize) << l.name;
        EXPECT_TRUE(label->font().bold()) << l.name;
        EXPECT_FALSE(label->text().isEmpty()) << l.name;
        EXPECT_LE(label->geometry().right(), 289) << l.name << " runs past the box";
    }
    EXPECT_EQ(Child(box, "ProductName")->text(), QStringLiteral("Velmora"));
    EXPECT_EQ(Child(box, "Version")->text(), QStringLiteral("версия ") + QString::fromLatin1(BuildInfo::ShortVersion));
}

TEST(AboutBox, ShownModallyTwiceWithTheSameContent)
{
    TAboutBox box;
    const QString before = Child(box, "Label3")->text() + Child(box, "Label2")->text();
    ModalWatcher watcher;
    watcher.expect(2);
    box.exec();
    box.exec();
    ASSERT_EQ(watcher.seen().size(), 2u);
    EXPECT_EQ(watcher.seen()[1].title, QStringLiteral("О программе"));
    EXPECT_EQ(Child(box, "Label3")->text() + Child(box, "Label2")->text(), before);
    EXPECT_FALSE(box.isVisible());
    for (const char *name : {"Label3", "Label2"}) {
        const QLabel *line = Child(box, name);
        EXPECT_GE(line->width(), line->sizeHint().width()) << name << " is cut off";
        EXPECT_LE(line->geometry().right(), 289) << name;
    }
}
