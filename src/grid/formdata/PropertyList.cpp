#include "grid/formdata/PropertyList.h"

#include "grid/formdata/FormDataFiler.h"
#include "grid/formdata/FormDataReader.h"
#include "grid/formdata/FormDataWriter.h"
#include "grid/model/PhraseGridModel.h"

#include <algorithm>
#include <vector>

namespace {

// Takes down what a grid defines, in order.
class DefinitionList : public FormDataFiler {
public:
    struct Definition {
        QByteArray name;
        Reader reader;
        Writer writer;
        bool hasData;
    };

    explicit DefinitionList(PhraseGridModel& grid) { grid.DefineProperties(*this); }

    void DefineProperty(const QByteArray& name, Reader reader, Writer writer,
                        bool hasData) override {
        definitions.push_back({name, std::move(reader), std::move(writer), hasData});
    }

    const Definition* find(const QByteArray& name) const {
        const auto it = std::find_if(definitions.begin(), definitions.end(),
                                     [&name](const Definition& d) { return d.name == name; });
        return it == definitions.end() ? nullptr : &*it;
    }

    std::vector<Definition> definitions;
};

} // namespace

void writePropertyList(PhraseGridModel& grid, FormDataWriter& writer) {
    const DefinitionList list(grid);
    for (const auto& definition : list.definitions) {
        if (definition.writer && definition.hasData) {
            writer.writePropName(definition.name);
            definition.writer(writer);
        }
    }
    writer.writeEndOfProperties();
}

QByteArray writePropertyList(PhraseGridModel& grid) {
    FormDataWriter writer;
    writePropertyList(grid, writer);
    return writer.data();
}

void readPropertyList(PhraseGridModel& grid, FormDataReader& reader) {
    const DefinitionList list(grid);
    for (QByteArray name = reader.readPropName(); !name.isEmpty(); name = reader.readPropName()) {
        const auto* definition = list.find(name);
        if (definition && definition->reader) {
            definition->reader(reader);
        } else {
            reader.skipValue();
        }
    }
}

void readPropertyList(PhraseGridModel& grid, const QByteArray& data) {
    FormDataReader reader(data);
    readPropertyList(grid, reader);
}
