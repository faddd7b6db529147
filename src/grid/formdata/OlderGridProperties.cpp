#include "grid/formdata/OlderGridProperties.h"

#include "grid/formdata/FormDataFiler.h"
#include "grid/formdata/FormDataRecords.h"
#include "grid/formdata/GridFormDataLists.h"
#include "grid/model/PhraseGridModel.h"

#include <cstdint>
#include <utility>

namespace {

// A cell (first = column, second = row) or one index (first).
struct Address {
    int first = 0;
    int second = 0;
};

// Binary blocks of fixed-size records: one or two unsigned 16-bit indices, then one byte. A
// partial record at the end is ignored.
template <typename Apply>
FormDataFiler::Reader blockReader(int indices, Apply apply) {
    return [indices, apply](FormDataReader& reader) {
        const QByteArray block = reader.readBinary();
        const auto byteAt = [&block](qsizetype at) { return static_cast<std::uint8_t>(block[at]); };
        const qsizetype size = 2 * indices + 1;
        for (qsizetype at = 0; at + size <= block.size(); at += size) {
            const auto index = [&](int i) {
                return byteAt(at + 2 * i) | byteAt(at + 2 * i + 1) << 8;
            };
            apply(Address{index(0), indices == 2 ? index(1) : 0}, byteAt(at + size - 1));
        }
    };
}

void readValue(FormDataReader& reader, TMyFont& font) {
    readFontRecord(reader, font);
}
void readValue(FormDataReader& reader, TMyBrush& brush) {
    readBrushRecord(reader, brush);
}
void readValue(FormDataReader& reader, TColor& color) {
    color = reader.readInteger();
}

// Lists of entries: one or two indices (with cut, only their low 16 bits), then a value.
template <typename Value, typename Apply>
FormDataFiler::Reader listReader(int indices, bool cut, Apply apply) {
    return [indices, cut, apply](FormDataReader& reader) {
        readListEntries(reader, [&] {
            Address at;
            at.first = reader.readInteger();
            if (indices == 2) {
                at.second = reader.readInteger();
            }
            if (cut) {
                at = {low16(at.first), low16(at.second)};
            }
            Value value{};
            readValue(reader, value);
            apply(at, value);
        });
    };
}

// A grid operation on a cell, op(col, row, args...), or on a line, op(index, args...), called
// with an address.
template <int Indices, typename Op>
struct Target {
    static constexpr int indices = Indices;
    Op op;

    template <typename... Args>
    decltype(auto) operator()(PhraseGridModel& grid, Address at, Args... args) const {
        if constexpr (Indices == 2) {
            return (grid.*op)(at.first, at.second, args...);
        } else {
            return (grid.*op)(at.first, args...);
        }
    }
};
template <typename Op>
Target<2, Op> cell(Op op) {
    return {op};
}
template <typename Op>
Target<1, Op> line(Op op) {
    return {op};
}

template <typename T>
FormDataFiler::Reader alignBlock(PhraseGridModel& grid, T target) {
    return blockReader(T::indices, [&grid, target](Address at, std::uint8_t alignment) {
        target(grid, at, static_cast<TMyAlign>(alignment));
    });
}

template <typename T>
FormDataFiler::Reader editBlock(PhraseGridModel& grid, T target) {
    return blockReader(T::indices, [&grid, target](Address at, std::uint8_t flag) {
        target(grid, at, flag != 0);
    });
}

// The font or brush the operation returns takes the read attributes (there is none only for
// a negative index).
template <typename Value, typename T>
FormDataFiler::Reader objectList(PhraseGridModel& grid, T target) {
    return listReader<Value>(T::indices, true, [&grid, target](Address at, const Value& read) {
        if (auto* object = target(grid, at)) {
            object->Assign(read);
        }
    });
}

// Colours keep their full indices: the layers are sparse, so any index costs one entry.
template <typename T>
FormDataFiler::Reader colorList(PhraseGridModel& grid, T target) {
    return listReader<TColor>(
        T::indices, false, [&grid, target](Address at, TColor color) { target(grid, at, color); });
}

} // namespace

void defineOlderGridProperties(PhraseGridModel& grid, FormDataFiler& filer) {
    const auto define = [&filer](const char* name, FormDataFiler::Reader reader) {
        filer.DefineProperty(name, std::move(reader), nullptr, false);
    };
    using G = PhraseGridModel;
    define("AlignCell", alignBlock(grid, cell(&G::AlignCell)));
    define("AlignCol", alignBlock(grid, line(&G::AlignCol)));
    define("FixedAlignCol", alignBlock(grid, line(&G::FixedAlignCol)));
    define("AlignRow", alignBlock(grid, line(&G::AlignRow)));
    define("FixedAlignRow", alignBlock(grid, line(&G::FixedAlignRow)));
    define("EditCell", editBlock(grid, cell(&G::EditCell)));
    define("EditCol", editBlock(grid, line(&G::EditCol)));
    define("EditRow", editBlock(grid, line(&G::EditRow)));
    define("FontCell", objectList<TMyFont>(grid, cell(&G::FontCell)));
    define("FontCol", objectList<TMyFont>(grid, line(&G::FontCol)));
    define("FontFixedCol", objectList<TMyFont>(grid, line(&G::FontFixedCol)));
    define("FontRow", objectList<TMyFont>(grid, line(&G::FontRow)));
    define("FontFixedRow", objectList<TMyFont>(grid, line(&G::FontFixedRow)));
    define("BrushCell", objectList<TMyBrush>(grid, cell(&G::BrushCell)));
    define("BrushCol", objectList<TMyBrush>(grid, line(&G::BrushCol)));
    define("BrushFixedCol", objectList<TMyBrush>(grid, line(&G::BrushFixedCol)));
    define("BrushRow", objectList<TMyBrush>(grid, line(&G::BrushRow)));
    define("BrushFixedRow", objectList<TMyBrush>(grid, line(&G::BrushFixedRow)));
    define("ColorCell", colorList(grid, cell(&G::ColorCell)));
    define("ColorCol", colorList(grid, line(&G::ColorCol)));
    define("ColorFixedCol", colorList(grid, line(&G::ColorFixedCol)));
    define("ColorRow", colorList(grid, line(&G::ColorRow)));
    define("ColorFixedRow", colorList(grid, line(&G::ColorFixedRow)));
    define("SelectedColorCell", colorList(grid, cell(&G::SelectedColorCell)));
    define("SelectedColorCol", colorList(grid, line(&G::SelectedColorCol)));
    define("SelectedColorRow", colorList(grid, line(&G::SelectedColorRow)));
}
