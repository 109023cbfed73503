// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's window in a test fixture, shown until exposed: its fields read, Command1 clicked
// with the mouse as a user does.

#include "mainwindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace kit {

template<class Base = ::testing::Test>
class ShownWindow : public Base
{
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QLineEdit *field(int number) const // Text1 … Text9
    {
        return window.template findChild<QLineEdit *>(QStringLiteral("Text%1").arg(number));
    }

    QStringList fields() const
    {
        QStringList texts;
        for (int number = 1; number <= 9; ++number)
            texts << field(number)->text();
        return texts;
    }

    void clickCommand1()
    {
        QTest::mouseClick(window.template findChild<QPushButton *>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    }

    ui::MainWindow window;
};

} // namespace kit
