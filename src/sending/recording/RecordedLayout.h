#pragma once

#include <cstdint>
#include <optional>

// The German (de-DE), Swiss German (de-CH), French (fr-FR) and US keyboard layouts of
// Windows for cp1252, as VkKeyScanA and the layout's key tables answer. Characters that
// need a dead key first (é on the German layout, ...) have no key.
enum class KeyboardLayout { German, SwissGerman, French, US };

// VkKeyScanA: low byte the virtual key, high byte 1 Shift, 2 Ctrl, 4 Alt; 0xFFFF for none.
// A dead key counts as the key of its own character, as VkKeyScanA has it.
std::uint16_t recordedLayoutKey(KeyboardLayout layout, unsigned char character);

// Whether the key with these modifiers (bits as above) is a dead key.
bool recordedDeadKey(KeyboardLayout layout, std::uint8_t virtualKey, unsigned modifiers);

// The character that the key types with these modifiers held (bits as above) and Caps Lock
// as given; nothing when it types none. A dead key types its own character at once.
std::optional<unsigned char> recordedLayoutCharacter(KeyboardLayout layout, std::uint8_t virtualKey,
                                                     unsigned modifiers, bool capsLock);
