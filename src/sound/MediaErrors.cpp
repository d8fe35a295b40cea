#include "sound/MediaErrors.h"

#include "platform/Cp1252.h"

namespace qor {

std::string MediaErrorText(int errorNumber) {
    switch (errorNumber) {
    case kMediaUnknownKeyword:
        return std::string("Der Befehl enthält einen unbekannten Parameter."_cp);
    case kMediaUnknownCommand:
        return std::string("Der Befehl ist unbekannt."_cp);
    case kMediaDeviceNotOpen:
        return std::string("Das angegebene Gerät ist nicht geöffnet oder unbekannt."_cp);
    case kMediaOutOfMemory:
        return std::string("Für diesen Vorgang ist nicht genügend Speicher vorhanden."_cp);
    case kMediaNoDriver:
        return std::string("Der Gerätetreiber kann nicht geladen werden. Die Wiedergabe von Klängen ist "
                           "nicht verfügbar."_cp);
    case kMediaMissingCommand:
        return std::string("Es wurde kein Befehl angegeben."_cp);
    case kMediaBadInteger:
        return std::string("Ein Zahlenwert des Befehls ist ungültig."_cp);
    case kMediaMissingParameter:
        return std::string("Dem Befehl fehlt ein notwendiger Parameter."_cp);
    case kMediaUnsupported:
        return std::string("Das Gerät unterstützt diesen Befehl nicht."_cp);
    case kMediaFileNotFound:
        return std::string("Die angegebene Datei wurde nicht gefunden."_cp);
    case kMediaOutOfRange:
        return std::string("Der angegebene Wert liegt außerhalb des zulässigen Bereichs."_cp);
    case kMediaFileNotSaved:
        return std::string("Die Datei wurde nicht gespeichert."_cp);
    case kMediaDeviceTypeRequired:
        return std::string("Der Gerätetyp muss angegeben werden."_cp);
    case kMediaDuplicateAlias:
        return std::string("Der angegebene Aliasname wird bereits verwendet."_cp);
    case kMediaMissingDeviceName:
        return std::string("Es wurde kein Gerätename angegeben."_cp);
    case kMediaBadTimeFormat:
        return std::string("Das angegebene Zeitformat ist ungültig."_cp);
    case kMediaNoClosingQuote:
        return std::string("Ein Anführungszeichen des Befehls wird nicht geschlossen."_cp);
    case kMediaInvalidFile:
        return std::string("Die Datei ist keine lesbare Klangdatei."_cp);
    case kMediaNoOutput:
        return std::string("Es ist kein Gerät für die Wiedergabe verfügbar."_cp);
    case kMediaNoInput:
        return std::string("Es ist kein Gerät für die Aufnahme verfügbar."_cp);
    default:
        return std::string("Beim Ausführen des Befehls ist ein Fehler aufgetreten."_cp);
    }
}

std::string MediaErrorReply(int errorNumber) {
    return "Error" + std::to_string(errorNumber);
}

} // namespace qor
