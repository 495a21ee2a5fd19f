#include "window/help_text.h"

#include "text/literal.h"
#include "text/short_text.h"

namespace zbk {
namespace {

struct HelpLine {
  bool paragraph;
  std::string_view text;
};

constexpr HelpLine kHelpText[] = {
    {true, "Zbiorek - spis plików z archiwalnych dysków, przeszukiwany bez tych dysków."_cp},
    {true, "W pasku górnym podano nazwę użytkownika i nazwę komputera."_cp},
    {true, "Program Zbiorek (Zbk.exe) jest jednoplikowym rozwiązaniem"_cp},
    {false, "do katalogowania zawartości dysków przeznaczonych do archiwizacji"_cp},
    {false, "ważnych/pamiątkowych/istotnych/zabawowych/multimedialnych plików."_cp},
    {true, "Po lewej zaznaczamy dysk do skatalogowania i klikamy w [Analizuj]."_cp},
    {true, "Program analizuje zawartość dysku zapamiętując rozmiar i pełne nazwy"_cp},
    {false, "plików znajdujących się na wybranym wcześniej dysku oraz (dodatkowo)"_cp},
    {false, "pokazuje na końcu listę folderów zawierających \"dziwne\" treści,"_cp},
    {false, "to znaczy pliki o rozszerzeniach innych niż w/g nas rozsądnych"_cp},
    {false,
     "(.BIN.7Z.ACE.RAR.ZIP.PDF.JPG.GIF.MP3.MP4.MPC.WMA.VOB.TXT.PCF.MPG.AVI.MKV.VOB.EXE.DOC.SHS.RTF.)"_cp},
    {true, "Klawiszem [Tab] przenosimy się do pola, w którym możemy wpisać"_cp},
    {false, "do 3 słów, które (nie zważając na wielkość liter) chcemy znaleźć."_cp},
    {true, "Naciskamy [Enter] i szukamy we wszystkich, wcześniej przygotowanych,"_cp},
    {false, "plikach tekstowych, które zawierają pełne katalogi plików."_cp},
    {true, "Dlatego dobrze jest nazywać swoje dyski z archiwaliami unikalnie."_cp},
    {false, "Do tego stopnia aby na początku wpisać swoje inicjały (np. \"Mi\")."_cp},
    {false, "Wtedy, nawet jak skatologujemy cudze dyski to możemy w nich szukać."_cp},
};

// Appends "  " and the line (cut to 250) to the list.
void AddHelpLine(ListBox& list, std::string_view line) {
  list.Add(Join("  ", Head(line, kShortTextCapacity)));
}

// Appends a two-space row, then the line as AddHelpLine does.
void AddHelpParagraph(ListBox& list, std::string_view line) {
  AddHelpLine(list, "");
  AddHelpLine(list, line);
}

}  // namespace

void AddHelpText(ListBox& list) {
  for (const auto& line : kHelpText) {
    if (line.paragraph) {
      AddHelpParagraph(list, line.text);
    } else {
      AddHelpLine(list, line.text);
    }
  }
}

}  // namespace zbk
