#include <string>

#include <gtest/gtest.h>

#include "texts/catalogue_message.h"
#include "peer/russian_locale.h"
#include "platform/numeric_locale.h"

namespace {

// A Russian environment must not turn the program's numbers into "1,50".
TEST(NumericLocale, ProgramPrintsNumbersTheCWayUnderARussianLocale) {
    ScopedRussianNumericLocale russian;
    ASSERT_TRUE(russian.ok());
    platform::useCNumericLocale();
    char out[64];
    formatMessage(out, sizeof out, 21043, 1.5);
    EXPECT_EQ(std::string(out), "Период: 1.50с");
}

}  // namespace
