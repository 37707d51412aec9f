// The framework's error texts, which the error box shows as they are.
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

TEST(FrameworkErrors, FileErrorsQuoteThePathAndAppendTheSystemReason) {
    EXPECT_EQ(EFCreateError("C:\\Tools\\p.txt", "Access is denied.\r\n").Message(),
              "Cannot create file \"C:\\Tools\\p.txt\". Access is denied");
    EXPECT_EQ(EFOpenError("C:\\x\\p.txt", "The process cannot access the file.\r\n").Message(),
              "Cannot open file \"C:\\x\\p.txt\". The process cannot access the file");
    // Code page 936 reasons keep their bytes (the trailing full-width stop is not a '.').
    EXPECT_EQ(EFOpenError("p", "\xBE\xDC\xBE\xF8\xB7\xC3\xCE\xCA\xA1\xA3\r\n").Message(),
              "Cannot open file \"p\". \xBE\xDC\xBE\xF8\xB7\xC3\xCE\xCA\xA1\xA3");
}

TEST(FrameworkErrors, ListIndexErrorCarriesTheIndex) {
    EXPECT_EQ(EStringListError(7).Message(), "List index out of bounds (7)");
    EXPECT_EQ(EStringListError(-1).Message(), "List index out of bounds (-1)");
    const EStreamError& base = EFCreateError("a", "b");
    EXPECT_STREQ(base.ClassName(), "EFCreateError");
}
