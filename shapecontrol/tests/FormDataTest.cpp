// The saved form data: its text format, its files, and placing controls from it.
#include <QWidget>
#include <TempDir.h>
#include <contolib/Contora.h>
#include <contolib/FormData.h>
#include <contolib/FormHost.h>
#include <gtest/gtest.h>

using contolib::Contora;
using contolib::FormData;
using contolib::FormHost;

namespace {

const QString PlayerForm = QStringLiteral(PLAYER_FORMS_DIR "/FrmMain.form");

TEST(FormDataText, ValuesSurviveWritingAndReading) {
    const std::vector<std::pair<const char*, QString>> cases = {
        {"outline text", "8\r\n0\r\n595\r\n"},
        {"backslashes", "C:\\skins\\n\\"},
        {"blanks at both ends", "  two blanks  "},
        {"blank inside", "MS Serif"},
        {"tabs", "\ta\tb\t"},
        {"equals sign", "a=b=c"},
        {"empty", ""},
        {"section-like text", "[Contora2]"},
        {"comment-like text", "# not a comment"},
    };
    FormData data;
    for (const auto& [name, value] : cases)
        data.addControl("Contora1").properties.set(name, value);
    const FormData back = FormData::fromText(data.toText());
    ASSERT_NE(back.control("Contora1"), nullptr);
    for (const auto& [name, value] : cases)
        EXPECT_EQ(back.control("Contora1")->properties.read(name, "absent"), value) << name;
}

struct ParseCase {
    const char* name;
    QString text;
    QString control;
    QString key;
    QString value; // "absent" when the key must not be there
};

TEST(FormDataText, ReadingIsTolerant) {
    const std::vector<ParseCase> cases = {
        {"CR LF line ends", "[A]\r\nk=v\r\n", "A", "k", "v"},
        {"blanks around key and value", "[A]\n  k  =  v  \n", "A", "k", "v"},
        {"pair before any section", "k=v\n[A]\n", "A", "k", "absent"},
        {"line without equals sign", "[A]\nnonsense\nk=v\n", "A", "k", "v"},
        {"empty key", "[A]\n=v\n", "A", "", "absent"},
        {"key given twice keeps the last", "[A]\nk=1\nk=2\n", "A", "k", "2"},
        {"section given twice gathers keys", "[A]\nk=1\n[B]\n[A]\nj=2\n", "A", "k", "1"},
        {"comments", "[A]\n# k=1\n; k=2\nk=3\n", "A", "k", "3"},
        {"unknown escape kept", "[A]\nk=a\\qb\n", "A", "k", "a\\qb"},
        {"trailing backslash kept", "[A]\nk=a\\\n", "A", "k", "a\\"},
        {"keys under a broken section line", "[A]\nk=1\n[B\nj=2\n", "A", "j", "absent"},
        {"binary junk", QString::fromUtf8("[A]\n\xff\xfe\x01=\x02\nk=v\n"), "A", "k", "v"},
    };
    for (const ParseCase& c : cases) {
        const FormData data = FormData::fromText(c.text);
        const auto* control = data.control(c.control);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(control->properties.read(c.key, "absent"), c.value) << c.name;
    }
}

TEST(FormDataFile, FailuresNameTheFile) {
    testkit::TempDir dir;
    const QString missing = QString::fromStdString((dir / "missing.form").string());
    FormData data;
    data.addControl("Contora1");
    QString error;
    EXPECT_FALSE(data.readFile(missing, &error));
    EXPECT_TRUE(error.startsWith("Could not read the form data " + missing + ": "))
        << qPrintable(error);
    EXPECT_NE(data.control("Contora1"), nullptr) << "a failed read keeps the data";

    const QString unwritable = QString::fromStdString((dir / "no" / "such.form").string());
    EXPECT_FALSE(data.writeFile(unwritable, &error));
    EXPECT_TRUE(error.startsWith("Could not save the form data " + unwritable + ": "))
        << qPrintable(error);

    const QString saved = QString::fromStdString((dir / "saved.form").string());
    ASSERT_TRUE(data.writeFile(saved, &error)) << qPrintable(error);
    FormData back;
    ASSERT_TRUE(back.readFile(saved, &error));
    EXPECT_NE(back.control("Contora1"), nullptr);
}

TEST(FormHostPlacing, ThePlayersPanelHoldsItsOutlineControl) {
    FormData data;
    QString error;
    ASSERT_TRUE(data.readFile(PlayerForm, &error)) << qPrintable(error);
    QWidget panel;
    FormHost host(&panel, FormHost::Mode::User);
    Contora* contora = host.createContora(data, "Contora1", &error);
    ASSERT_NE(contora, nullptr) << qPrintable(error);

    EXPECT_EQ(contora->objectName(), "Contora1");
    EXPECT_EQ(contora->parentWidget(), &panel);
    EXPECT_EQ(contora->geometry(), QRect(304, 356, 37, 37)) << "4560, 5340, 555 x 555 twips";
    EXPECT_TRUE(contora->isHidden()) << "saved as not visible";
    EXPECT_FALSE(host.isDirty()) << "loading is not an edit";

    const std::vector<QPoint> outline = {
        {8, 0},     {595, 0},  {599, 2}, {602, 5}, {603, 9}, {603, 186}, {601, 190}, {598, 193},
        {594, 195}, {10, 195}, {6, 193}, {3, 190}, {0, 185}, {0, 9},     {2, 5},     {5, 2}};
    ASSERT_EQ(contora->arrLength(), 16);
    for (qint16 i = 0; i < 16; ++i) {
        const qint32 x = contora->GetPointX(i).value();
        EXPECT_EQ(QPoint(x, contora->GetPointY(i).value()), outline[size_t(i)]) << i;
    }
}

TEST(FormHostPlacing, ControlsThatCannotBePlacedAreReported) {
    const FormData data = FormData::fromText(u"[Label1]\nClass=Label\n[Bare]\n");
    QWidget form;
    FormHost host(&form, FormHost::Mode::User);
    QString error;
    EXPECT_EQ(host.createContora(data, "Contora1", &error), nullptr);
    EXPECT_EQ(error, "The form data holds no control Contora1.");
    EXPECT_EQ(host.createContora(data, "Label1", &error), nullptr);
    EXPECT_EQ(error, "The control Label1 in the form data is a Label, not a Contora.");

    // A control without any key is a Contora with every default.
    Contora* bare = host.createContora(data, "Bare", &error);
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(bare->arrLength(), 0);
    EXPECT_EQ(bare->PointStr(), "0");
    EXPECT_FALSE(bare->isHidden());
}

TEST(FormHostPlacing, SavingKeepsKeysTheControlDoesNotOwn) {
    FormData data = FormData::fromText(
        u"[Contora1]\nClass=Contora\nLeft=4560\nNumOfPoints=2\nPointStr=1\\r\\n2\\r\\n\n"
        u"[Label1]\nClass=Label\nCaption=Hi\n");
    QWidget form;
    FormHost host(&form, FormHost::Mode::Design);
    Contora* contora = host.createContora(data, "Contora1", nullptr);
    ASSERT_NE(contora, nullptr);
    contora->Clear();
    contora->AddPoint(7, 8);
    EXPECT_TRUE(host.isDirty());

    host.saveInto(data);
    const FormData back = FormData::fromText(data.toText());
    const auto& saved = back.control("Contora1")->properties;
    EXPECT_EQ(saved.read("Left", ""), "4560");
    EXPECT_EQ(saved.read("NumOfPoints", ""), "1");
    EXPECT_EQ(saved.read("PointStr", ""), "7\r\n8\r\n");
    EXPECT_EQ(back.control("Label1")->properties.read("Caption", ""), "Hi");
}

TEST(FormHostPlacing, ANewControlStartsWithTheFreshText) {
    QWidget form;
    FormHost host(&form, FormHost::Mode::Design);
    Contora* contora = host.addContora("Contora1");
    EXPECT_EQ(contora->PointStr(), "0");
    EXPECT_TRUE(host.isDirty());
    FormData data;
    host.saveInto(data);
    ASSERT_NE(data.control("Contora1"), nullptr);
    EXPECT_EQ(data.control("Contora1")->properties.entries().size(), 1u) << "only its class";
}

} // namespace
