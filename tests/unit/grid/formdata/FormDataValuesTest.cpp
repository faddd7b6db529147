#include "grid/formdata/FormDataReader.h"
#include "grid/formdata/FormDataWriter.h"
#include "runtime/QuipError.h"
#include "support/grid/FormDataText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(FormDataValues, IntegersTakeTheShortestFormAndAnyFormReadsBack) {
    const int values[] = {0, -128, 127, 128, -129, 32767, -32768, 32768, -32769, INT_MAX, INT_MIN};
    FormDataWriter writer;
    for (const int value : values) {
        writer.writeInteger(value);
    }
    EXPECT_EQ(writer.data(), bytes("0200 0280 027f 038000 037fff 03ff7f 030080 0400800000 "
                                   "04ff7fffff 04ffffff7f 0400000080"));
    FormDataReader reader(writer.data() + bytes("02fe 03feff 04feffffff 030500 0405000000"));
    for (const int value : values) {
        EXPECT_EQ(reader.readInteger(), value);
    }
    for (const int value : {-2, -2, -2, 5, 5}) {
        EXPECT_EQ(reader.readInteger(), value);
    }
    EXPECT_TRUE(reader.atEnd());
}

TEST(FormDataValues, StringsUseTheLongFormFrom256BytesAndKeepTheirBytes) {
    FormDataWriter writer;
    const QByteArray cp1252("Gr\xFC\xDF\x80");
    for (const QByteArray& text : {cp1252, QByteArray(255, 'a'), QByteArray(256, 'b')}) {
        writer.writeString(text);
    }
    writer.writeBinary(bytes("00 ff"));
    EXPECT_EQ(writer.data(), bytes("0605") + cp1252 + bytes("06ff") + QByteArray(255, 'a') +
                                 bytes("0c00010000") + QByteArray(256, 'b') +
                                 bytes("0a02000000 00ff"));

    FormDataReader reader(writer.data() + bytes("0c02000000") + "hi");
    for (const QByteArray& text : {cp1252, QByteArray(255, 'a'), QByteArray(256, 'b')}) {
        EXPECT_EQ(reader.readString(), text);
    }
    EXPECT_EQ(reader.readBinary(), bytes("00 ff"));
    EXPECT_EQ(reader.readString(), "hi") << "the long form is read for short texts too";
}

TEST(FormDataValues, WrongTypesAndReadsPastTheEndAreInvalidValues) {
    using ::testing::StrEq;
    using ::testing::ThrowsMessage;
    using Read = std::function<void(FormDataReader&)>;
    const Read integer = [](FormDataReader& r) { r.readInteger(); };
    const Read string = [](FormDataReader& r) { r.readString(); };
    const Read binary = [](FormDataReader& r) { r.readBinary(); };
    const Read skip = [](FormDataReader& r) { r.skipValue(); };
    const auto expectInvalid = [](const QByteArray& data, const Read& read) {
        FormDataReader reader(data);
        EXPECT_THAT([&] { read(reader); },
                    ThrowsMessage<QuipError>(StrEq("Ungültiger Wert der Eigenschaft")))
            << "read " << data.toHex(' ').toStdString();
    };
    const std::pair<const char*, Read> wrong[] = {
        {"060141", integer},
        {"05 0000000000000000", integer},
        {"0201", string},
        {"0a00000000", string},
        {"0600", binary},
        {"00", skip},
        {"01 07 00", skip},
        {"", [](FormDataReader& r) { r.endOfList(); }},
        {"0201", [](FormDataReader& r) { r.readListBegin(); }},
        {"0cffffffff41", string},
        {"0affffff7f", binary}};
    for (const auto& [hex, read] : wrong) {
        expectInvalid(bytes(hex), read);
    }
    // Cut anywhere, a run of values reads up to the cut and then fails.
    const QByteArray whole = formValues("-100000 'abc' {0102} (1 (2 'x'))") + bytes("03") + "Foo";
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
    const int depth = 1'000'000;
    FormDataReader reader(formValues("(1 'a' {00} ((-40000) ()) 'b') 7") + QByteArray(depth, '\1') +
                          QByteArray(depth, '\0') + bytes("0209"));
    reader.skipValue();
    EXPECT_EQ(reader.readInteger(), 7);
    reader.skipValue();
    EXPECT_EQ(reader.readInteger(), 9);
}

} // namespace
