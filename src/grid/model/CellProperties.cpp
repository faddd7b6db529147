#include "grid/model/CellProperties.h"

#include "grid/model/PhraseGridModel.h"

TCellProperties::TCellProperties(PhraseGridModel* owner) : owner_(owner) {}

TCellProperties::~TCellProperties() = default;

template <typename T>
void TCellProperties::assignObject(std::unique_ptr<T>& object, const T* source) {
    if (!source) {
        object.reset();
        return;
    }
    if (object) {
        object->Assign(*source);
        return;
    }
    // Wired after taking the first attributes: creating the object is not a change of it.
    object = std::make_unique<T>();
    object->Assign(*source);
    if (owner_) {
        PhraseGridModel* owner = owner_;
        object->setOnChange([owner] { owner->Repaint(); });
    }
}

template <typename T>
T& TCellProperties::ensureObject(std::unique_ptr<T>& object, const T& initial) {
    if (!object) {
        assignObject(object, &initial);
    }
    return *object;
}

void TCellProperties::setBrush(const TMyBrush* source) {
    assignObject(brush_, source);
}
void TCellProperties::setSelectedBrush(const TMyBrush* source) {
    assignObject(selectedBrush_, source);
}
void TCellProperties::setFont(const TMyFont* source) {
    assignObject(font_, source);
}
void TCellProperties::setSelectedFont(const TMyFont* source) {
    assignObject(selectedFont_, source);
}

TMyBrush& TCellProperties::ensureBrush(const TMyBrush& initial) {
    return ensureObject(brush_, initial);
}
TMyBrush& TCellProperties::ensureSelectedBrush(const TMyBrush& initial) {
    return ensureObject(selectedBrush_, initial);
}
TMyFont& TCellProperties::ensureFont(const TMyFont& initial) {
    return ensureObject(font_, initial);
}
TMyFont& TCellProperties::ensureSelectedFont(const TMyFont& initial) {
    return ensureObject(selectedFont_, initial);
}

void TCellProperties::Assign(const TCellProperties* source) {
    if (!source) {
        const TCellProperties fresh(owner_);
        Assign(&fresh);
        return;
    }
    alignment_ = source->alignment_;
    wordwrap_ = source->wordwrap_;
    editability_ = source->editability_;
    assignObject(brush_, source->Brush());
    assignObject(selectedBrush_, source->selectedBrush());
    assignObject(font_, source->Font());
    assignObject(selectedFont_, source->selectedFont());
}

bool TCellProperties::IsEmpty() const {
    return alignment_ == TMyAlign::alDefault && wordwrap_ == T_Wordwrap::ww_default &&
           editability_ == TCellEditability::ceNotSet && !brush_ && !selectedBrush_ && !font_ &&
           !selectedFont_;
}

std::unique_ptr<TCellProperties> TCellProperties::Clone() const {
    auto clone = std::make_unique<TCellProperties>(owner_);
    clone->Assign(this);
    return clone;
}
