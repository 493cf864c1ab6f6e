#pragma once

#include <QLatin1String>
#include <QString>

// Names of the keys of the settings file (all in section "Orfa"), spelt as the file holds
// them; every reader and writer uses these so that a typing error cannot split a setting
// in two. Single-valued keys carry the name of the settings-dialog control that edits them.
namespace orfa::config::keys {

// Local keys: always in the file, whether or not the central database is in use.
inline constexpr QLatin1String DBChb{"DBChb"};             // flag: use the central database
inline constexpr QLatin1String DBIPE{"DBIPE"};             // text: database server address
inline constexpr QLatin1String DBPortE{"DBPortE"};         // text: database port (dialog: DBportE)
inline constexpr QLatin1String DBCestaE{"DBCestaE"};       // text: database file on the server
inline constexpr QLatin1String DBLoginE{"DBLoginE"};       // text: database user
inline constexpr QLatin1String DBHesloE{"DBHesloE"};       // text: database password, plain
inline constexpr QLatin1String SysTrayChb{"SysTrayChb"};   // flag: minimise to the tray
inline constexpr QLatin1String MinimizeChb{"MinimizeChb"}; // flag: close button hides
inline constexpr QLatin1String ProdlevaE{"ProdlevaE"};     // text: send delay in ms
inline constexpr QLatin1String ActivePageOrfaForm{"ActivePageOrfaForm"}; // integer
inline constexpr QLatin1String Verze{"Verze"};         // text: version for the About box
inline constexpr QLatin1String Datum{"Datum"};         // text: date for the About box
inline constexpr QLatin1String LastLogin{"LastLogin"}; // text: last name typed at login

// Shared keys: in the file only while the central database is not in use.
inline constexpr QLatin1String IPZesE{"IPZesE"};       // text: amplifier address
inline constexpr QLatin1String PortZesE{"PortZesE"};   // text: amplifier TCP port
inline constexpr QLatin1String VstupyRG{"VstupyRG"};   // integer: 0 = 8, 1 = 16 outputs
inline constexpr QLatin1String HesloZesE{"HesloZesE"}; // text: amplifier password
inline constexpr QLatin1String LoginChb{"LoginChb"};   // flag: ask for a login at start

// Numbered keys; numbers are decimal without leading zeros. Inputs 1..10, outputs 1..16,
// radio memories 1..9.
QString inputEnabled(int input);   // "Vstup<i>En", flag
QString inputName(int input);      // "Vstup<i>Nzv", text
QString outputEnabled(int output); // "Vystup<j>En", flag
QString outputName(int output);    // "Vystup<j>Nzv", text
QString radioName(int memory);     // "RadioJmeno<k>", text

// User records 1.."MaxIDUziv"; IDs are never reused.
inline QLatin1String maxUserId() {
    return QLatin1String("MaxIDUziv");
}
// Readers look at user records up to this ID at most, so that a damaged counter cannot keep
// them reading keys for minutes (no site creates this many users); no new record gets a
// higher ID.
inline constexpr int kHighestUserId = 100000;
QString userName(int user);             // "Uziv_<n>_Jmeno"; empty: record deleted
QString userPassword(int user);         // "Uziv_<n>_Heslo", stored form
QString userInputs(int user);           // "Uziv_<n>_Vstupy", flag string
QString userOutputs(int user);          // "Uziv_<n>_Vystupy", flag string
QString userMatrix(int user);           // "Uziv_<n>_Matice", flag string
QString userAdministration(int user);   // "Uziv_<n>_Administrace"
QString userVolume(int user);           // "Uziv_<n>Hlasitost": no '_' before Hlasitost
QString userProfile(int user);          // "Uziv_<n>_Profil"
QString userRadio(int user);            // "Uziv_<n>_Radio"
QString userPresetActivation(int user); // "Uziv_<n>_AktivacePredvoleb"
QString userPresetStoring(int user);    // "Uziv_<n>_UlozeniPredvoleb"

// Output groups 1.."MaxIDSkupiny"; IDs are never reused.
inline QLatin1String maxGroupId() {
    return QLatin1String("MaxIDSkupiny");
}
// The same for groups.
inline constexpr int kHighestGroupId = 10000;
QString groupCount(int group);              // "Skup_<g>_SkupinaPocet"; -1: deleted
QString groupMember(int group, int member); // "Skup_<g>_IDVstupu<m>": no '_' before m

// Defaults of keys whose default is not simply empty, 0 or off.
QString defaultInputName(int input);   // "Vstup <i>"
QString defaultOutputName(int output); // "Výstup <j>"
QString defaultRadioName(int memory);  // "<k>"
// Verze defaults to config::programVersion().
inline QString defaultReleaseDate() {
    return QStringLiteral("14.10.2013");
}
// What the settings dialog shows for a missing send delay.
inline QString defaultSendDelayText() {
    return QStringLiteral("800");
}

} // namespace orfa::config::keys
