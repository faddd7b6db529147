#pragma once

#include "grid/model/GridTypes.h"
#include "grid/model/MyBrush.h"
#include "grid/model/MyFont.h"

#include <memory>

class FormDataReader;
class FormDataWriter;
class PhraseGridModel;

// One property record of the phrase grid's layers: optional background brush, selected
// brush (its colour is the background while the cell is selected), font and selected font
// (its colour is the text colour while selected), alignment, word wrap and editability.
// The record owns its four objects; each one it gets is wired to its owner grid's repaint.
// A derived grid may substitute a class derived from this one (see
// PhraseGridModel::setRecordClass) and extend the record's form data.
class TCellProperties {
public:
    explicit TCellProperties(PhraseGridModel* owner);
    virtual ~TCellProperties();
    TCellProperties(const TCellProperties&) = delete;
    TCellProperties& operator=(const TCellProperties&) = delete;

    PhraseGridModel* Owner() const { return owner_; }

    // The objects, or nullptr where the record has none. The record keeps ownership.
    TMyBrush* Brush() const { return brush_.get(); }
    TMyBrush* selectedBrush() const { return selectedBrush_.get(); }
    TMyFont* Font() const { return font_.get(); }
    TMyFont* selectedFont() const { return selectedFont_.get(); }

    // Gives the record its own copy of source's attributes (creating the object if it has
    // none), or with nullptr frees the object.
    void setBrush(const TMyBrush* source);
    void setSelectedBrush(const TMyBrush* source);
    void setFont(const TMyFont* source);
    void setSelectedFont(const TMyFont* source);

    // The record's object, first created as a copy of initial if the record has none.
    TMyBrush& ensureBrush(const TMyBrush& initial);
    TMyBrush& ensureSelectedBrush(const TMyBrush& initial);
    TMyFont& ensureFont(const TMyFont& initial);
    TMyFont& ensureSelectedFont(const TMyFont& initial);

    // Values as stored: alDefault, ww_default and ceNotSet mean "not set here", any other
    // byte (including ones no enumerator names) counts as set.
    TMyAlign Alignment() const { return alignment_; }
    void setAlignment(TMyAlign alignment) { alignment_ = alignment; }
    T_Wordwrap Wordwrap() const { return wordwrap_; }
    void setWordwrap(T_Wordwrap wordwrap) { wordwrap_ = wordwrap; }
    TCellEditability editability() const { return editability_; }
    void setEditability(TCellEditability editability) { editability_ = editability; }

    // Form data: a record is stored as tagged items, each tag an integer followed by its value,
    // closed by the tag 0 (CellPropertiesFormData.cpp). WriteData writes the items of what is
    // set, in tag order; ReadItem reads the value of one item whose tag has been read, and
    // reads nothing for a tag it does not know. A derived record writes its own items after
    // the base's and takes its own tags before passing the others on.
    virtual void WriteData(FormDataWriter& writer) const;
    virtual void ReadItem(FormDataReader& reader, int tag);
    // The whole record: WriteData and the closing tag 0; items up to the tag 0.
    void writeItems(FormDataWriter& writer) const;
    void readItems(FormDataReader& reader);

    // Copies alignment, word wrap, editability and the four objects' attributes from source
    // (freeing the objects source lacks); nullptr resets the record to the new state.
    virtual void Assign(const TCellProperties* source);
    // True when nothing is set: default alignment and word wrap, editability 0, no objects.
    virtual bool IsEmpty() const;
    // A new TCellProperties (always of this base class; a derived record that wants its
    // own class overrides this) with the same owner and the same settings.
    virtual std::unique_ptr<TCellProperties> Clone() const;

private:
    template <typename T>
    void assignObject(std::unique_ptr<T>& object, const T* source);
    template <typename T>
    T& ensureObject(std::unique_ptr<T>& object, const T& initial);

    PhraseGridModel* owner_;
    std::unique_ptr<TMyBrush> brush_;
    std::unique_ptr<TMyBrush> selectedBrush_;
    std::unique_ptr<TMyFont> font_;
    std::unique_ptr<TMyFont> selectedFont_;
    TMyAlign alignment_ = TMyAlign::alDefault;
    T_Wordwrap wordwrap_ = T_Wordwrap::ww_default;
    TCellEditability editability_ = TCellEditability::ceNotSet;
};
