#include "polish_data.h"

#include <array>

namespace vorlant::gen {
namespace {

using namespace std::string_view_literals;

constexpr std::array kMaleFirstNames = {
    "Łukasz"sv,   "Paweł"sv,     "Michał"sv,    "Jędrzej"sv,    "Mikołaj"sv,
    "Stanisław"sv, "Zdzisław"sv, "Grzegorz"sv,  "Józef"sv,      "Piotr"sv,
    "Tomasz"sv,   "Andrzej"sv,   "Krzysztof"sv, "Marek"sv,      "Jan"sv,
    "Kazimierz"sv, "Władysław"sv, "Bolesław"sv, "Radosław"sv,   "Jarosław"sv,
    "Wojciech"sv, "Maciej"sv,    "Kamil"sv,     "Mateusz"sv,    "Jakub"sv,
    "Szymon"sv,   "Dawid"sv,     "Adam"sv,      "Rafał"sv,      "Zbigniew"sv,
    "Ryszard"sv,  "Tadeusz"sv,   "Henryk"sv,    "Jerzy"sv,      "Wiesław"sv,
    "Czesław"sv,  "Leszek"sv,    "Sławomir"sv,  "Ireneusz"sv,   "Dariusz"sv,
    "Żelisław"sv, "Ścibor"sv,    "Bożydar"sv,   "Przemysław"sv, "Lech"sv,
};

constexpr std::array kFemaleFirstNames = {
    "Małgorzata"sv, "Agnieszka"sv, "Żaneta"sv,   "Łucja"sv,      "Jadwiga"sv,
    "Bożena"sv,     "Grażyna"sv,   "Danuta"sv,   "Elżbieta"sv,   "Halina"sv,
    "Krystyna"sv,   "Jolanta"sv,   "Urszula"sv,  "Teresa"sv,     "Zofia"sv,
    "Anna"sv,       "Barbara"sv,   "Ewa"sv,      "Joanna"sv,     "Katarzyna"sv,
    "Magdalena"sv,  "Monika"sv,    "Beata"sv,    "Dorota"sv,     "Iwona"sv,
    "Renata"sv,     "Wiesława"sv,  "Stanisława"sv, "Genowefa"sv, "Józefa"sv,
    "Aleksandra"sv, "Natalia"sv,   "Zuzanna"sv,  "Izabela"sv,    "Marianna"sv,
    "Wanda"sv,      "Jagoda"sv,    "Bogumiła"sv, "Jaśmina"sv,    "Ludmiła"sv,
};

constexpr std::array kSurnames = {
    Surname{"Kowalski"sv, "Kowalska"sv},       Surname{"Wiśniewski"sv, "Wiśniewska"sv},
    Surname{"Wójcik"sv, "Wójcik"sv},           Surname{"Kamiński"sv, "Kamińska"sv},
    Surname{"Lewandowski"sv, "Lewandowska"sv}, Surname{"Zieliński"sv, "Zielińska"sv},
    Surname{"Szymański"sv, "Szymańska"sv},     Surname{"Woźniak"sv, "Woźniak"sv},
    Surname{"Dąbrowski"sv, "Dąbrowska"sv},     Surname{"Kozłowski"sv, "Kozłowska"sv},
    Surname{"Jankowski"sv, "Jankowska"sv},     Surname{"Mazur"sv, "Mazur"sv},
    Surname{"Kwiatkowski"sv, "Kwiatkowska"sv}, Surname{"Krawczyk"sv, "Krawczyk"sv},
    Surname{"Piotrowski"sv, "Piotrowska"sv},   Surname{"Grabowski"sv, "Grabowska"sv},
    Surname{"Nowakowski"sv, "Nowakowska"sv},   Surname{"Pawłowski"sv, "Pawłowska"sv},
    Surname{"Michalski"sv, "Michalska"sv},     Surname{"Nowicki"sv, "Nowicka"sv},
    Surname{"Adamczyk"sv, "Adamczyk"sv},       Surname{"Dudek"sv, "Dudek"sv},
    Surname{"Zając"sv, "Zając"sv},             Surname{"Wieczorek"sv, "Wieczorek"sv},
    Surname{"Jabłoński"sv, "Jabłońska"sv},     Surname{"Król"sv, "Król"sv},
    Surname{"Majewski"sv, "Majewska"sv},       Surname{"Olszewski"sv, "Olszewska"sv},
    Surname{"Jaworski"sv, "Jaworska"sv},       Surname{"Wróbel"sv, "Wróbel"sv},
    Surname{"Malinowski"sv, "Malinowska"sv},   Surname{"Pawlak"sv, "Pawlak"sv},
    Surname{"Stępień"sv, "Stępień"sv},         Surname{"Górski"sv, "Górska"sv},
    Surname{"Sikora"sv, "Sikora"sv},           Surname{"Ostrowski"sv, "Ostrowska"sv},
    Surname{"Szewczyk"sv, "Szewczyk"sv},       Surname{"Tomaszewski"sv, "Tomaszewska"sv},
    Surname{"Wróblewski"sv, "Wróblewska"sv},   Surname{"Zalewski"sv, "Zalewska"sv},
    Surname{"Jasiński"sv, "Jasińska"sv},       Surname{"Zawadzki"sv, "Zawadzka"sv},
    Surname{"Bąk"sv, "Bąk"sv},                 Surname{"Chmielewski"sv, "Chmielewska"sv},
    Surname{"Włodarczyk"sv, "Włodarczyk"sv},   Surname{"Czarnecki"sv, "Czarnecka"sv},
    Surname{"Sokołowski"sv, "Sokołowska"sv},   Surname{"Urbański"sv, "Urbańska"sv},
    Surname{"Kaźmierczak"sv, "Kaźmierczak"sv}, Surname{"Cieślak"sv, "Cieślak"sv},
    Surname{"Głowacki"sv, "Głowacka"sv},       Surname{"Kołodziej"sv, "Kołodziej"sv},
    Surname{"Ziółkowski"sv, "Ziółkowska"sv},   Surname{"Brzeziński"sv, "Brzezińska"sv},
    Surname{"Śliwiński"sv, "Śliwińska"sv},     Surname{"Łukasiewicz"sv, "Łukasiewicz"sv},
    Surname{"Żak"sv, "Żak"sv},                 Surname{"Ćwiek"sv, "Ćwiek"sv},
    Surname{"Żurawski"sv, "Żurawska"sv},       Surname{"Świątek"sv, "Świątek"sv},
    Surname{"Łuczak"sv, "Łuczak"sv},           Surname{"Źródlewski"sv, "Źródlewska"sv},
    Surname{"Ślęzak"sv, "Ślęzak"sv},           Surname{"Żółtowski"sv, "Żółtowska"sv},
    Surname{"Ćwikliński"sv, "Ćwiklińska"sv},   Surname{"Łęcki"sv, "Łęcka"sv},
};

constexpr std::array kStreets = {
    "Kwiatowa"sv,  "Leśna"sv,    "Słoneczna"sv, "Długa"sv,       "Krótka"sv,
    "Ogrodowa"sv,  "Źródlana"sv, "Żeromskiego"sv, "Mickiewicza"sv, "Kościuszki"sv,
    "Szkolna"sv,   "Łąkowa"sv,   "Polna"sv,     "Świętokrzyska"sv, "Wiśniowa"sv,
    "Jaśminowa"sv, "Żytnia"sv,   "Ślężna"sv,
};

constexpr std::array kTowns = {
    "Warszawa"sv, "Ząbki"sv, "Marki"sv, "Piaseczno"sv, "Józefów"sv, "Otwock"sv, "Wołomin"sv,
};

constexpr std::array kMeetingPlaces = {
    "Sala Królestwa"sv, "ul. Leśna 12"sv, "u Nowaków"sv,    "ul. Żytnia 3/5"sv,
    "Świetlica"sv,      "ul. Długa 40"sv, "u Kowalskich"sv, "ul. Łąkowa 7"sv,
};

constexpr std::array kMeetingTimes = {
    "Wt 18:00"sv, "Śr 17:30"sv, "Cz 18:00"sv, "Pt 18:30"sv, "Sob 9:30"sv, "Nd 14:00"sv, "Pn 17:00"sv,
};

constexpr std::array kRemarkTexts = {
    "Chory"sv,
    "Chora"sv,
    "Szkoła pionierska"sv,
    "Wyjazd służbowy"sv,
    "Pionier pomocniczy (15 godz.)"sv,
    "Zgłoszenie spóźnione"sv,
    "Kongres regionalny"sv,
    "Pobyt w szpitalu"sv,
    "Służba w innym zborze"sv,
    "Sprawozdanie przekazane ustnie"sv,
    "Pomoc przy budowie Sali Królestwa"sv,
    "Urlop - służba na terenie nieprzydzielonym"sv,
    "Żałoba w rodzinie"sv,
    "Świadczenie telefoniczne i listowne"sv,
    "Ćwiczenie w szkole służby"sv,
    "Odwiedziny nadzorcy obwodu"sv,
    "Łączna liczba godzin z dwóch miesięcy"sv,
};

}  // namespace

std::span<const std::string_view> MaleFirstNames() { return kMaleFirstNames; }
std::span<const std::string_view> FemaleFirstNames() { return kFemaleFirstNames; }
std::span<const Surname> Surnames() { return kSurnames; }
std::span<const std::string_view> Streets() { return kStreets; }
std::span<const std::string_view> Towns() { return kTowns; }
std::span<const std::string_view> MeetingPlaces() { return kMeetingPlaces; }
std::span<const std::string_view> MeetingTimes() { return kMeetingTimes; }
std::span<const std::string_view> RemarkTexts() { return kRemarkTexts; }

}  // namespace vorlant::gen
