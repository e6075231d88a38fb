#pragma once
// The base of the tests that start the program in a folder of their own: a
// fresh temporary program folder; at the end the current directory is put
// back and every module is in its start state again.

#include "match/flow/Zustand.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class Programmordner : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ordner.isValid()); }
    void TearDown() override
    {
        QDir::setCurrent(m_cwd);
        ZustandZuruecksetzen();
    }

    QTemporaryDir ordner;

private:
    QString m_cwd = QDir::currentPath();
};
