// The point list of Contora: its text form, the point cache and the saved properties.
#include <QImage>
#include <QWidget>
#include <contolib/Contora.h>
#include <contolib/FormHost.h>
#include <contolib/PropertyBag.h>
#include <gtest/gtest.h>

using contolib::Contora;
using contolib::ControlError;
using contolib::FormHost;
using contolib::PropertyBag;

namespace {

const QString CrLf = QStringLiteral("\r\n");

class PointListTest : public ::testing::Test {
protected:
    // A control as the player holds it: placed on a form in user mode, fresh text "0".
    PointListTest() { contora.initProperties(); }

    void load(qint16 length, const QString& text) {
        contora.setArrLength(length);
        ASSERT_FALSE(contora.setPointStr(text).has_value());
    }

    QWidget form;
    FormHost host{&form, FormHost::Mode::User};
    Contora contora{host, &form};
};

struct ValueCase {
    const char* name;
    QString text;
    qint32 value;
    QString rest;
};

TEST_F(PointListTest, GetNextValueReadsOneFieldAndShortensTheText) {
    const QString digits400 = QString(400, u'9');
    const std::vector<ValueCase> cases = {
        {"whole field", "12\r\n34\r\n", 12, "34\r\n"},
        {"half rounds down to even", "12.5\r\n", 12, ""},
        {"half rounds up to even", "13.5\r\n", 14, ""},
        {"negative half to even", "-2.5\r\n", -2, ""},
        {"fraction rounds to nearest", "7.51\r\n", 8, ""},
        {"fraction without digits before", ".6\r\n", 1, ""},
        {"leading zero", "012\r\n", 12, ""},
        {"letters", "abc\r\n5\r\n", 0, "5\r\n"},
        {"digits then letters", "7px\r\n", 7, ""},
        {"sign alone", "-\r\n", 0, ""},
        {"plus sign", "+5\r\n", 5, ""},
        {"blanks tabs and line feeds ignored", " 1 2\t\n3\r\n", 123, ""},
        {"lone CR ends the number", "5\r6\r\n", 5, ""},
        {"largest 32-bit value", "2147483647\r\n", 2147483647, ""},
        {"smallest 32-bit value", "-2147483648\r\n", -2147483647 - 1, ""},
        {"one beyond 32 bits", "2147483648\r\n", 0, ""},
        {"rounds beyond 32 bits", "2147483647.5\r\n", 0, ""},
        {"hundreds of digits", digits400 + CrLf, 0, ""},
        {"empty field", "\r\n9\r\n", 0, "9\r\n"},
        {"last value without CR LF", "42", 0, "2"},
        {"empty text stays empty", "", 0, ""},
    };
    for (const ValueCase& c : cases) {
        QString s = c.text;
        EXPECT_EQ(contora.GetNextValue(s), c.value) << c.name;
        EXPECT_EQ(s, c.rest) << c.name;
    }
}

struct PointCase {
    const char* name;
    qint16 length;
    QString text;
    qint16 idx;
    qint32 x;
    qint32 y;
};

TEST_F(PointListTest, GetPointReadsXThenYFromTheRebuiltList) {
    const std::vector<PointCase> cases = {
        {"one point", 1, "8\r\n0\r\n", 0, 8, 0},
        {"closing slot of one point", 1, "8\r\n0\r\n", 1, 0, 0},
        {"more points than values", 3, "1\r\n2\r\n3\r\n4\r\n", 2, 0, 0},
        {"last value without CR LF", 1, "5\r\n6", 0, 5, 0},
        {"fresh text holds no point", 0, "0", 0, 0, 0},
        {"point appended to the fresh text", 1, "03\r\n4\r\n", 0, 3, 4},
        {"values beyond the count are ignored", 1, "1\r\n2\r\n3\r\n4\r\n", 1, 0, 0},
        {"negative values", 2, "-3\r\n-4\r\n-5\r\n-6\r\n", 1, -5, -6},
    };
    for (const PointCase& c : cases) {
        load(c.length, c.text);
        const auto x = contora.GetPointX(c.idx);
        const auto y = contora.GetPointY(c.idx);
        ASSERT_TRUE(x.ok() && y.ok()) << c.name;
        EXPECT_EQ(x.value(), c.x) << c.name;
        EXPECT_EQ(y.value(), c.y) << c.name;
    }
}

TEST_F(PointListTest, IndexOutsideTheListFailsWithError9) {
    load(2, "1\r\n2\r\n3\r\n4\r\n");
    for (qint16 idx : {qint16(-1), qint16(3), qint16(32767)}) {
        const auto x = contora.GetPointX(idx);
        ASSERT_FALSE(x.ok()) << idx;
        EXPECT_EQ(x.error().number(), ControlError::IndexOutOfRange) << idx;
        const auto y = contora.GetPointY(idx);
        ASSERT_FALSE(y.ok()) << idx;
        EXPECT_EQ(y.error().number(), 9) << idx;
    }
}

TEST_F(PointListTest, AddPointAppendsTheTextAndNotifiesTheHost) {
    contora.AddPoint(3, 4);
    EXPECT_EQ(contora.PointStr(), "03\r\n4\r\n");
    EXPECT_EQ(contora.arrLength(), 1);
    EXPECT_TRUE(host.isDirty());

    host.markSaved();
    contora.Clear();
    EXPECT_EQ(contora.arrLength(), 0);
    EXPECT_EQ(contora.PointStr(), "");
    EXPECT_FALSE(host.isDirty()) << "Clear does not notify the host";

    contora.AddPoint(3, 4);
    contora.AddPoint(12.5f, -0.25f);
    EXPECT_EQ(contora.PointStr(), "3\r\n4\r\n12.5\r\n-0.25\r\n");
    EXPECT_EQ(contora.arrLength(), 2);
    EXPECT_EQ(contora.GetPointX(1).value(), 12);
    EXPECT_EQ(contora.GetPointY(1).value(), 0);
}

TEST_F(PointListTest, AfterAddPointOnlyGetPointXRebuildsTheList) {
    load(2, "5\r\n6\r\n7\r\n8\r\n");
    ASSERT_EQ(contora.GetPointX(0).value(), 5);
    ASSERT_EQ(contora.GetPointY(1).value(), 8);

    contora.AddPoint(9, 10);
    for (qint16 i = 0; i <= 3; ++i)
        EXPECT_EQ(contora.GetPointY(i).value(), 0) << i;
    EXPECT_EQ(contora.GetPointX(2).value(), 9);
    EXPECT_EQ(contora.GetPointY(2).value(), 10);
    EXPECT_EQ(contora.GetPointY(1).value(), 8);
}

TEST_F(PointListTest, CountStopsAt32767) {
    contora.setArrLength(32767);
    contora.AddPoint(1, 1);
    EXPECT_EQ(contora.arrLength(), 32767);
}

TEST_F(PointListTest, ExtrudeValuesLeavesUnreadValuesInTheText) {
    contora.setArrLength(1);
    QString s = QStringLiteral("1\r\n2\r\n3\r\n4\r\n");
    contora.ExtrudeValues(s);
    EXPECT_EQ(s, "3\r\n4\r\n");
    EXPECT_EQ(contora.GetPointY(0).value(), 2);
}

TEST_F(PointListTest, PackValuesWritesEveryPointWithTheClosingSlot) {
    load(2, "1\r\n2\r\n3\r\n4\r\n");
    ASSERT_TRUE(contora.GetPointX(0).ok());
    QString s = QStringLiteral("old");
    EXPECT_FALSE(contora.PackValues(s).has_value());
    EXPECT_EQ(s, "1\r\n2\r\n3\r\n4\r\n0\r\n0\r\n");

    contora.setArrLength(5);
    const auto error = contora.PackValues(s);
    ASSERT_TRUE(error.has_value()) << "the list holds only three points";
    EXPECT_EQ(error->number(), 9);
}

TEST_F(PointListTest, PointStrCanOnlyBeSetAtRunTime) {
    QWidget designForm;
    FormHost designer(&designForm, FormHost::Mode::Design);
    Contora designed(designer, &designForm);
    designed.initProperties();
    const auto refused = designed.setPointStr(QStringLiteral("1\r\n2\r\n"));
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->number(), ControlError::NotSettableInDesigner);
    EXPECT_EQ(designed.PointStr(), "0");
    EXPECT_FALSE(designer.isDirty());

    contora.setArrLength(7);
    EXPECT_FALSE(contora.setPointStr(QStringLiteral("1\r\n2\r\n")).has_value());
    EXPECT_EQ(contora.PointStr(), "1\r\n2\r\n");
    EXPECT_EQ(contora.arrLength(), 7) << "the count is not touched";
    EXPECT_TRUE(host.isDirty());
}

TEST_F(PointListTest, SavesOnlyValuesThatDifferFromTheirDefaults) {
    PropertyBag fresh;
    contora.writeProperties(fresh);
    EXPECT_TRUE(fresh.entries().empty());

    contora.AddPoint(3, 4);
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    contora.setPicture(picture);
    PropertyBag saved;
    contora.writeProperties(saved);
    EXPECT_EQ(saved.read("NumOfPoints", ""), "1");
    EXPECT_EQ(saved.read("PointStr", ""), "03\r\n4\r\n");

    QWidget otherForm;
    FormHost otherHost(&otherForm, FormHost::Mode::User);
    Contora loaded(otherHost, &otherForm);
    loaded.readProperties(saved);
    EXPECT_EQ(loaded.arrLength(), 1);
    EXPECT_EQ(loaded.PointStr(), "03\r\n4\r\n");
    EXPECT_EQ(loaded.Picture().size(), QSize(4, 3));
    EXPECT_EQ(loaded.Picture().pixelColor(2, 1), QColor(Qt::red));

    // A cleared list is saved as an empty text, which is not the default "0".
    contora.Clear();
    contora.writeProperties(saved);
    EXPECT_FALSE(saved.contains("NumOfPoints"));
    EXPECT_TRUE(saved.contains("PointStr"));
    EXPECT_EQ(saved.read("PointStr", "0"), "");
}

struct LoadCase {
    const char* name;
    std::vector<std::pair<QString, QString>> saved;
    qint16 length;
    QString text;
    bool picture;
};

TEST_F(PointListTest, BadSavedValuesLoadAsDefaults) {
    const std::vector<LoadCase> cases = {
        {"nothing saved", {}, 0, "0", false},
        {"letters for the count", {{"NumOfPoints", "sixteen"}}, 0, "0", false},
        {"count beyond 16 bits", {{"NumOfPoints", "99999"}}, 0, "0", false},
        {"count with blanks", {{"NumOfPoints", " 16 "}}, 16, "0", false},
        {"picture that is not one", {{"Picture", "bm90IGEgcGljdHVyZQ=="}}, 0, "0", false},
        {"picture that is not base64", {{"Picture", "%%%"}}, 0, "0", false},
    };
    for (const LoadCase& c : cases) {
        PropertyBag bag;
        for (const auto& [key, value] : c.saved)
            bag.set(key, value);
        contora.readProperties(bag);
        EXPECT_EQ(contora.arrLength(), c.length) << c.name;
        EXPECT_EQ(contora.PointStr(), c.text) << c.name;
        EXPECT_EQ(!contora.Picture().isNull(), c.picture) << c.name;
    }
}

TEST_F(PointListTest, HugeCountWithFewValuesReadsZeros) {
    load(32767, "1\r\n2\r\n");
    EXPECT_EQ(contora.GetPointX(0).value(), 1);
    EXPECT_EQ(contora.GetPointX(32766).value(), 0);
    EXPECT_EQ(contora.GetPointY(32767).value(), 0);
}

} // namespace
