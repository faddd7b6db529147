#include "FormDataReader.h"
#include "FormDataText.h"
#include "FormDataWriter.h"
#include "QuipError.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

QByteArray written(int value) {
    FormDataWriter writer;
    writer.writeInteger(value);
    return writer.data();
}

TEST(FormDataValues, IntegersTakeTheShortestFormAndEveryFormReadsBack) {
    const struct {
        int value;
        const char* hex;
    } cases[] = {{0, "02 00"},
                 {-128, "02 80"},
                 {127, "02 7f"},
                 {128, "03 80 00"},
                 {-129, "03 7f ff"},
                 {32767, "03 ff 7f"},
                 {-32768, "03 00 80"},
                 {32768, "04 00 80 00 00"},
                 {-32769, "04 ff 7f ff ff"},
                 {INT_MAX, "04 ff ff ff 7f"},
                 {INT_MIN, "04 00 00 00 80"}};
    for (const auto& c : cases) {
        EXPECT_EQ(written(c.value), bytes(c.hex)) << c.value;
        FormDataReader reader(bytes(c.hex));
        EXPECT_EQ(reader.readInteger(), c.value);
        EXPECT_TRUE(reader.atEnd());
    }
    // A reader takes any width wherever an integer stands.
    FormDataReader wide(bytes("02 fe  03 fe ff  04 fe ff ff ff  03 05 00  04 05 00 00 00"));
    for (const int expected : {-2, -2, -2, 5, 5}) {
        EXPECT_EQ(wide.readInteger(), expected);
    }
}

TEST(FormDataValues, StringsUseTheLongFormFrom256BytesAndKeepTheirBytes) {
    FormDataWriter writer;
    const QByteArray cp1252("Gr\xFC\xDF"
                            "e\x80");
    writer.writeString(cp1252);
    writer.writeString(QByteArray(255, 'a'));
    writer.writeString(QByteArray(256, 'b'));
    writer.writeBinary(bytes("00 ff"));
    EXPECT_EQ(writer.data(), bytes("06 06") + cp1252 + bytes("06 ff") + QByteArray(255, 'a') +
                                 bytes("0c 00 01 00 00") + QByteArray(256, 'b') +
                                 bytes("0a 02 00 00 00 00 ff"));

    FormDataReader reader(writer.data() + bytes("0c 02 00 00 00") + "hi");
    EXPECT_EQ(reader.readString(), cp1252);
    EXPECT_EQ(reader.readString(), QByteArray(255, 'a'));
    EXPECT_EQ(reader.readString(), QByteArray(256, 'b'));
    EXPECT_EQ(reader.readBinary(), bytes("00 ff"));
    EXPECT_EQ(reader.readString(), "hi") << "the long form is read for short texts too";
}

TEST(FormDataValues, WrongTypesAndReadsPastTheEndAreInvalidValues) {
    const auto expectInvalid = [](const QByteArray& data, auto read) {
        FormDataReader reader(data);
        try {
            read(reader);
            ADD_FAILURE() << "read " << data.toHex(' ').toStdString();
        } catch (const QuipError& error) {
            EXPECT_EQ(error.message(), QString::fromUtf8("Ungültiger Wert der Eigenschaft"));
        }
    };
    const auto integer = [](FormDataReader& r) { r.readInteger(); };
    const auto string = [](FormDataReader& r) { r.readString(); };
    expectInvalid(bytes("06 01 41"), integer);
    expectInvalid(bytes("05 00 00 00 00 00 00 00 00 00 00"), integer);
    expectInvalid(bytes("02 01"), string);
    expectInvalid(bytes("0a 00 00 00 00"), string);
    expectInvalid(bytes("06 00"), [](FormDataReader& r) { r.readBinary(); });
    expectInvalid(bytes("02 01"), [](FormDataReader& r) { r.readListBegin(); });
    expectInvalid(bytes("01"), [](FormDataReader& r) { r.readListEnd(); });
    expectInvalid(bytes("00"), [](FormDataReader& r) { r.skipValue(); });
    expectInvalid(bytes("01 07 00"), [](FormDataReader& r) { r.skipValue(); });
    expectInvalid(QByteArray(), [](FormDataReader& r) { r.endOfList(); });
    expectInvalid(bytes("0c ff ff ff ff 41"), string);
    expectInvalid(bytes("0a ff ff ff 7f"), [](FormDataReader& r) { r.readBinary(); });

    // Cut anywhere, a run of values reads up to the cut and then fails.
    const QByteArray whole =
        formValues("-100000 'abc' {0102} (1 (2 'x'))") + bytes("09") + "PropCol";
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        expectInvalid(whole.left(cut), [](FormDataReader& r) {
            r.readInteger();
            r.readString();
            r.readBinary();
            r.skipValue();
            r.readPropName();
        });
    }
}

TEST(FormDataValues, SkippingPassesOverAnyValueWithoutRecursing) {
    FormDataReader reader(formValues("(1 'a' {00} ((-40000) ()) 'b') 7"));
    reader.skipValue();
    EXPECT_EQ(reader.readInteger(), 7);

    const int depth = 1'000'000;
    FormDataReader deep(QByteArray(depth, '\x01') + QByteArray(depth, '\0') + bytes("02 09"));
    deep.skipValue();
    EXPECT_EQ(deep.readInteger(), 9);
}

} // namespace
