#pragma once

#include <QByteArray>

#include <functional>

class FormDataReader;
class FormDataWriter;

// What a component hands the form data when asked for its stored properties: every name
// with the reader of its value, the writer (empty for a property that is only read, such as
// an older one kept for old form data) and whether it is to be written now. Reader and
// writer work on the value at the current position.
class FormDataFiler {
public:
    using Reader = std::function<void(FormDataReader&)>;
    using Writer = std::function<void(FormDataWriter&)>;

    virtual ~FormDataFiler() = default;

    virtual void DefineProperty(const QByteArray& name, Reader reader, Writer writer,
                                bool hasData) = 0;
};
