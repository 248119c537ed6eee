#pragma once
// Gives every Qt test the same start: empty settings and seams without queued
// answers or history. At its end it puts back what a test may have changed:
// the time zone, the C and Qt locales, the clock, the data folder and the
// store's file faults.

#include <QLocale>
#include <gtest/gtest.h>
#include <optional>
#include <string>

class CSeamReset : public ::testing::EmptyTestEventListener
{
public:
    CSeamReset();
    void OnTestStart(const ::testing::TestInfo& test) override;
    void OnTestEnd(const ::testing::TestInfo& test) override;

private:
    std::optional<std::string> m_zone;
    std::string m_cLocale;
    QLocale m_locale;
};
