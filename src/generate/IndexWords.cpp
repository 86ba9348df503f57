#include "generate/IndexWords.h"
#include "platform/TextUtil.h"
#include <array>
#include <string_view>

namespace torvane {

namespace {

struct LanguageWords {
    std::string_view language;
    std::array<std::string_view, 11> words; // in the order of IndexWords
};

// clang-format off
constexpr std::array<LanguageWords, 11> kWords = {{
    {"en", {"Symbols", "Numbers", "See", "See also", "Return to Top", "Filter entries",
            "No entries match the filter.", "Index letters", "Skip to the index", "1 matching entry",
            "{n} matching entries"}},
    {"de", {"Symbole", "Zahlen", "siehe", "siehe auch", "Zum Seitenanfang", "Eintr\xc3\xa4ge filtern",
            "Kein Eintrag passt zum Filter.", "Buchstaben des Registers", "Zum Register springen",
            "1 passender Eintrag", "{n} passende Eintr\xc3\xa4ge"}},
    {"fr", {"Symboles", "Nombres", "voir", "voir aussi", "Haut de page", "Filtrer les entr\xc3\xa9""es",
            "Aucune entr\xc3\xa9""e ne correspond au filtre.", "Lettres de l\xe2\x80\x99index", "Aller \xc3\xa0 l\xe2\x80\x99index",
            "1 entr\xc3\xa9""e correspondante", "{n} entr\xc3\xa9""es correspondantes"}},
    {"es", {"S\xc3\xadmbolos", "N\xc3\xbameros", "v\xc3\xa9""ase", "v\xc3\xa9""ase tambi\xc3\xa9n", "Volver arriba",
            "Filtrar entradas", "Ninguna entrada coincide con el filtro.", "Letras del \xc3\xadndice",
            "Saltar al \xc3\xadndice", "1 entrada coincidente", "{n} entradas coincidentes"}},
    {"it", {"Simboli", "Numeri", "vedi", "vedi anche", "Torna all\xe2\x80\x99inizio", "Filtra le voci",
            "Nessuna voce corrisponde al filtro.", "Lettere dell\xe2\x80\x99indice", "Vai all\xe2\x80\x99indice",
            "1 voce corrispondente", "{n} voci corrispondenti"}},
    {"nl", {"Symbolen", "Getallen", "zie", "zie ook", "Terug naar boven", "Trefwoorden filteren",
            "Geen trefwoord komt overeen met het filter.", "Letters van het register", "Naar het register",
            "1 overeenkomend trefwoord", "{n} overeenkomende trefwoorden"}},
    {"sv", {"Symboler", "Siffror", "se", "se \xc3\xa4ven", "Till b\xc3\xb6rjan", "Filtrera uppslagsord",
            "Inga uppslagsord matchar filtret.", "Registrets bokst\xc3\xa4ver", "Hoppa till registret",
            "1 matchande uppslagsord", "{n} matchande uppslagsord"}},
    {"da", {"Symboler", "Tal", "se", "se ogs\xc3\xa5", "Til toppen", "Filtr\xc3\xa9r opslag",
            "Ingen opslag passer til filteret.", "Registerets bogstaver", "Spring til registret",
            "1 passende opslag", "{n} passende opslag"}},
    {"pl", {"Symbole", "Liczby", "zob.", "zob. te\xc5\xbc", "Do g\xc3\xb3ry", "Filtruj has\xc5\x82""a",
            "\xc5\xbb""adne has\xc5\x82o nie pasuje do filtru.", "Litery indeksu", "Przejd\xc5\xba do indeksu",
            "Pasuj\xc4\x85""ce has\xc5\x82""a: 1", "Pasuj\xc4\x85""ce has\xc5\x82""a: {n}"}},
    {"cs", {"Symboly", "\xc4\x8c\xc3\xadsla", "viz", "viz t\xc3\xa9\xc5\xbe", "Nahoru", "Filtrovat hesla",
            "Filtru neodpov\xc3\xad""d\xc3\xa1 \xc5\xbe\xc3\xa1""dn\xc3\xa9 heslo.", "P\xc3\xadsmena rejst\xc5\x99\xc3\xadku",
            "P\xc5\x99""ej\xc3\xadt na rejst\xc5\x99\xc3\xadk", "Odpov\xc3\xad""daj\xc3\xad""c\xc3\xad hesla: 1",
            "Odpov\xc3\xad""daj\xc3\xad""c\xc3\xad hesla: {n}"}},
    {"ja", {"\xe8\xa8\x98\xe5\x8f\xb7", "\xe6\x95\xb0\xe5\xad\x97", "\xe5\x8f\x82\xe7\x85\xa7",
            "\xe9\x96\xa2\xe9\x80\xa3\xe9\xa0\x85\xe7\x9b\xae", "\xe3\x83\x9a\xe3\x83\xbc\xe3\x82\xb8\xe3\x81\xae\xe5\x85\x88\xe9\xa0\xad\xe3\x81\xb8",
            "\xe9\xa0\x85\xe7\x9b\xae\xe3\x82\x92\xe7\xb5\x9e\xe3\x82\x8a\xe8\xbe\xbc\xe3\x82\x80",
            "\xe4\xb8\x80\xe8\x87\xb4\xe3\x81\x99\xe3\x82\x8b\xe9\xa0\x85\xe7\x9b\xae\xe3\x81\xaf\xe3\x81\x82\xe3\x82\x8a\xe3\x81\xbe\xe3\x81\x9b\xe3\x82\x93\xe3\x80\x82",
            "\xe7\xb4\xa2\xe5\xbc\x95\xe3\x81\xae\xe6\x96\x87\xe5\xad\x97", "\xe7\xb4\xa2\xe5\xbc\x95\xe3\x81\xb8\xe7\xa7\xbb\xe5\x8b\x95",
            "\xe4\xb8\x80\xe8\x87\xb4\xe3\x81\x99\xe3\x82\x8b\xe9\xa0\x85\xe7\x9b\xae: 1 \xe4\xbb\xb6",
            "\xe4\xb8\x80\xe8\x87\xb4\xe3\x81\x99\xe3\x82\x8b\xe9\xa0\x85\xe7\x9b\xae: {n} \xe4\xbb\xb6"}},
}};
// clang-format on

// "de-AT" and "de_CH" speak German.
std::string_view primaryLanguage(std::string_view tag)
{
    return tag.substr(0, tag.find_first_of("-_"));
}

} // namespace

const std::vector<IndexWordKey>& indexWordKeys()
{
    static const std::vector<IndexWordKey> keys = {
        {"Symbols", &IndexWords::symbols},
        {"Numbers", &IndexWords::numbers},
        {"See", &IndexWords::see},
        {"See Also", &IndexWords::seeAlso},
        {"Return to Top", &IndexWords::returnToTop},
        {"Filter Entries", &IndexWords::filterEntries},
        {"No Match", &IndexWords::noMatch},
        {"Index Letters", &IndexWords::indexLetters},
        {"Skip to Index", &IndexWords::skipToIndex},
        {"One Match", &IndexWords::oneMatch},
        {"Many Matches", &IndexWords::manyMatches},
    };
    return keys;
}

std::string wordsLanguage(const TorvaneExtensions& extensions)
{
    return !extensions.language.empty() ? extensions.language : extensions.collation;
}

IndexWords indexWords(const TorvaneExtensions& extensions)
{
    const std::string language = asciiLower(primaryLanguage(wordsLanguage(extensions)));
    const LanguageWords* chosen = &kWords[0];
    for (const LanguageWords& known : kWords)
        if (known.language == language)
            chosen = &known;
    IndexWords words;
    const auto& keys = indexWordKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto own = extensions.words.find(keys[i].key);
        words.*keys[i].word = own != extensions.words.end() ? own->second : std::string(chosen->words[i]);
    }
    return words;
}

} // namespace torvane
