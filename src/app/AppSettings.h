#pragma once

#include "data/Colour.h"

#include <QList>
#include <QMap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QSettings;

namespace vimo {

// How a remembered value is kept in the settings file, and the C++ type it has in the program. The group
// "Settings" keeps the forms that older versions and other programs read; the group "Session" keeps the values
// added since, in Qt's own forms.
enum class SettingForm {
    Integer, // Settings: a 32-bit integer, signed or unsigned (a string of digits is read too); int
    Switch,  // Settings: 0 or 1, any other integer reads as on; bool
    Colour,  // Settings: 0x00BBGGRR as a 32-bit integer; Colour
    Word,    // Settings: an integer of which the low 16 bits count; quint16
    Inches,  // Settings: an 8-byte little-endian double; double
    Text,    // Settings: a string, read without leading and trailing blanks; QString
    Flag,    // Session: true or false; bool
    Folder,  // Session: a string as it is (a folder, a window's size and place); QString
    Files,   // Session: a list of strings, empty ones left out; QStringList
    Seconds, // Session: a number (written as text in the C locale); double
    Count,   // Session: a whole number of 32 bits (a string of digits is read too); int
};

// One remembered value: its key, how it is kept, its default, and what makes a stored value usable. A value that
// is missing from the file, cannot be read in its form or is refused by `fit` takes the default and costs no
// other value; `fit` may also bring a value into shape (a list cut to its length).
struct SettingKey {
    const char* key;
    SettingForm form;
    QVariant defaultValue;
    std::function<std::optional<QVariant>(const QVariant&)> fit; // null: every value of the form is usable

    QString group() const;
};

// A key whose values have type T.
template <class T>
struct TypedKey {
    SettingKey key;

    // Only values from `lowest` to `highest` are usable.
    TypedKey inRange(T lowest, T highest) &&
    {
        key.fit = [lowest, highest](const QVariant& v) -> std::optional<QVariant> {
            const T value = v.value<T>();
            return value >= lowest && value <= highest ? std::optional<QVariant>(v) : std::nullopt;
        };
        return std::move(*this);
    }
};

template <class T>
TypedKey<T> typedKey(const char* key, SettingForm form, T defaultValue)
{
    return {{key, form, QVariant::fromValue(defaultValue), {}}};
}

// A key of each form, with its default.
inline TypedKey<int> integerKey(const char* key, int value)
{
    return typedKey(key, SettingForm::Integer, value);
}
inline TypedKey<bool> switchKey(const char* key, bool value)
{
    return typedKey(key, SettingForm::Switch, value);
}
inline TypedKey<Colour> colourKey(const char* key, Colour value)
{
    return typedKey(key, SettingForm::Colour, value);
}
inline TypedKey<quint16> wordKey(const char* key, quint16 value)
{
    return typedKey(key, SettingForm::Word, value);
}
inline TypedKey<double> inchesKey(const char* key, double value)
{
    return typedKey(key, SettingForm::Inches, value);
}
inline TypedKey<QString> textKey(const char* key)
{
    return typedKey(key, SettingForm::Text, QString());
}
inline TypedKey<bool> flagKey(const char* key)
{
    return typedKey(key, SettingForm::Flag, false);
}
inline TypedKey<QString> folderKey(const char* key)
{
    return typedKey(key, SettingForm::Folder, QString());
}
// A window's size and place as its geometryText() gives them.
inline TypedKey<QString> geometryKey(const char* key)
{
    return typedKey(key, SettingForm::Folder, QString());
}
inline TypedKey<double> secondsKey(const char* key, double value)
{
    return typedKey(key, SettingForm::Seconds, value);
}
inline TypedKey<int> countKey(const char* key, int value)
{
    return typedKey(key, SettingForm::Count, value);
}
// A list of at most `most` files.
TypedKey<QStringList> filesKey(const char* key, int most);

// The remembered values by key, each of its form's type. A value that was never set reads as an invalid QVariant.
class AppSettings {
public:
    // The defaults of `keys`.
    static AppSettings defaults(const std::vector<SettingKey>& keys);

    QVariant value(const QString& key) const { return m_values.value(key); }
    template <class T>
    T get(const char* key) const
    {
        return value(QLatin1String(key)).value<T>();
    }
    void set(const QString& key, const QVariant& value) { m_values.insert(key, value); }
    template <class T>
    void set(const char* key, const T& value)
    {
        set(QLatin1String(key), QVariant::fromValue(value));
    }

    friend bool operator==(const AppSettings&, const AppSettings&) = default;

private:
    QMap<QString, QVariant> m_values;
};

// Reads every value of `keys` from its group of `store`, each on its own.
AppSettings readSettings(QSettings& store, const std::vector<SettingKey>& keys);

// Writes every value of `keys` to its group of `store`. Failures are dropped silently.
void writeSettings(QSettings& store, const std::vector<SettingKey>& keys, const AppSettings& settings);

// The window's designed place, and the keys whose values depend on the machine the program runs on.
struct SettingsContext {
    static constexpr int kDefaultLeft = 339;
    static constexpr int kDefaultTop = 143;
    static constexpr const char* kPortRow = "ComPort"; // the row of the port list; -1 selects none
    static constexpr const char* kLeft = "Left";       // the window's position, pixels
    static constexpr const char* kTop = "Top";

    int portCount = 0;
    QList<QRect> screens; // available geometry of every screen
    QSize windowSize{773, 565};
};

// Brings the values that depend on the machine into range: a port row outside the list selects none, a position
// that puts the window on no screen becomes the designed one. The window then lands wholly on the screen that
// shows most of it (at the screen's top left edge where it is larger than the screen).
void bringIntoRange(AppSettings& settings, const SettingsContext& context);

} // namespace vimo
