#include "windows/hilfeseite.h"

#include "windows/hilfe_form.h"

namespace orbisto {

namespace {

constexpr const char16_t* Trennlinie = u"<br><hr><br>";

// One text line of the page per entry; the groups of the page are separated by a rule.
// Kept word for word, slips of spelling included.
// clang-format off
constexpr const char16_t* BeschreibungText[] = {
    u"<br>",
    u"<h2>Orbisto</h2>",
    u"<h3>Ziele</h3>",
    u"<ul type=square>",
    u"<li>3D-Funktionen z=f(x,y)",
    u"<li>Rotationskörper um X",
    u"<li>Häufig benutzte geometrische Objekte aus allen Klassenstufen",
    u"<li>Fertige Szenen aus verschiedenen Gebieten zur Veranschaulichung,",
    u"die Steuerung erfolgt wegen vieler Einstellmöglichkeiten über extra Fenster.",
    u"</ul>",
    u"<br>",
    u"Durch Eingabe oder Veränderung der vorhandenen Parameter",
    u"soll der Einfluss der Parameter dynamisch erkannt werden.",
    u"",
    u"",
    Trennlinie,

    u"<h3>Schnell-Start</h3>",
    u"Nach dem Programm-Start befindet man sich im Original-Modus und das Koordinatensystem ist leer.",
    u"Man wählt nun im Menü [Mathematik] oder [Physik] ein Objekt aus.",
    u"Danach befindet man sich im Vorschau-Modus und kann z.B. die Parameter des gewählten Objekts einstellen.",
    u"Mit [->]=[Übernehmen] wird das aktuell eingestellte Objekt in die Objektliste übernommen.",
    u"Mit [X]=[Schließen] wird der Vorschau-Modus beendet und der Original-Modus ist wieder vorhanden.",
    u"Dort werden alle markierten Objekte der Objektliste gezeichnet und",
    u"man kann die Grafik kopieren und speichern",
    u"<br><br>",
    u"<b>Original-Modus:</b><br>",
    u"Dieses ist der normale Anzeige-Modus.",
    u"Alle Objekte, die in der Objektliste in der Spalte <b>[Orig]</b> markiert sind, werden gezeichnet.",
    u"<br><br>",
    u"<b>Vorschau-Modus:</b><br>",
    u"Dieser Modus ist beim Eingeben eines neuen Objekts über die Menüs [Mathematik],[Physik]",
    u"oder beim Bearbeiten eines Objekts aus der Objektliste eingeschaltet.",
    u"Alle Objekte, die in der Objektliste in der Spalte <b>[Vor]</b> markiert sind, werden auch in der Vorschau gezeichnet.",
    u"<br><br>",
    Trennlinie,

    u"<h3>Bedienungs-Übersicht</h3>",
    u"<table align=center border=1 cellspacing=1 cellpadding=4 width=95%>",
    u"  <tr bgcolor=#eeeeee>",
    u"    <td><b>Eingabe/Bearbeitung von Objekten</b><br>nur im Vorschau-Modus sichtbar </td>",
    u"    <td><b>Objektliste</b><br> Änderungen über das Kontext-Menü oder durch Doppelclick auf Markierung oder Objekt  </td>",
    u"  </tr>",
    u"  <tr bgcolor=#eeeeee>",
    u"    <td><b>Einstellungen zum Koordinatensystem</b><br> Einheiten, Ursprung, System, Projektion, Achsen, Ebenen, Raum</td>",
    u"    <td><b>Koordinatensystem</b><br> Drehen durch waagerechtes oder senkrechtes Ziehen mit der Maus  </td>",
    u"  </tr>",
    u"</table>",
    u"<br><br>",
    Trennlinie,

    u"<h3>Eingabe/Bearbeitung von Objekten</h3>",
    u"<b>Allgemeines:</b><br>",
    u"Alle Objekte aus der Objektliste, die unter [Vor] markiert sind, werden in der Vorschau mitgezeichnet.",
    u"",
    u"<br><br>",
    u"<b>Objekte-Parameter:</b><br>",
    u"Die Parameter können direkt eingegeben werden.",
    u"Mit den Tasten [+] und [-] können die Parameter je nach Art um ± 1; ± 0,1; ± 0,01 verändert werden.",
    u"Durch Doppelklick werden Boolsche Parameter zwischen 0 und 1 geändert.",
    u"Jede Änderung an den Einstellungen wird sofort in der Vorschau-Grafik angezeigt.",
    u"Bei der direkten Eingabe wird die Vorschau-Grafik erst geändert, wenn das Editierfeld",
    u" durch Click auf ein anderes Feld wieder verlassen wurde.",
    u"<br><br>",
    u"<b>Objekt-Farbe:</b><br>",
    u"Durch Click auf das Farbfeld kann eine andere Farbe eingestellt werden.",
    u"<br><br>",
    u"<b>Übernehmen:</b><br>",
    u"Das eingestellte Objekt wird in die Objektliste übernommen.",
    u"Nur die dort eingetragenen Objekte werden dauerhaft im Original-Modus gezeichnetund evtl. gespeichert.",
    u"<br><br>",
    u"<b>Schließen:</b><br>",
    u"Der Vorschau-Modus wird beendet.",
    u"<br><br>",
    Trennlinie,

    u"<h3>Objektliste</h3>",
    u"<b>Markierungen:</b><br>",
    u"Alle in der Spalte [Vor] markierten Objekte werden im Vorschau-Modus mitgezeichnet.",
    u"Alle in der Spalte [Orig] markierten Objekte werden im Original-Modus mitgezeichnet.",
    u"Durch Doppelclick auf [Vor] oder [Orig] können einzelne Objekte ausgeblendet werden.",
    u"<br><br>",
    u"<b>Name und Parameter des Objekts:</b><br>",
    u"In der Spalte Objekt erscheint der Name des Objekts.",
    u"In den weiteren Spalten erscheinen die eingestellten Parameter.",
    u"Jede Zeile erscheint in der Farbe die für das Objekt ausgewählt wurde.",
    u"Über das Kontext-Menü kann ein einzelnes Objekt gelöscht werden.",
    u"<br><br>",
    Trennlinie,

    u"<h3>Einstellungen zum Koordinatensystem XYZ</h3>",
    u"<b>Grafik:</b><br>",
    u"Eine verzerrungsfreie Grafik muss ein quadratisches Fenster haben.",
    u"Die Größe des aktuellen Grafik-Fensters wird links unten angezeigt.",
    u"<br><br>",
    u"<b>Einheiten:</b><br>",
    u"Durch [<->] werden die Einheiten gestreckt, d.h. eine Einheit wird kleiner.",
    u"Durch [-><-] werden die Einheiten gestaucht, d.h. eine Einheit wird größer.",
    u"<br><br>",
    u"<b>Ursprung:</b><br>",
    u"Durch die Gruppe der Richtungspfeile wird der Ursprung in die entsprechende Richtung verschoben.",
    u"Es kann der erste Oktant eingestellt werden.",
    u"Es kann eine zweidimensionale Ansicht eingestellt werden.",
    u"<br><br>",
    u"<b>System:</b><br>",
    u"Durch das Quadrat wird die auf dem Bildschirm größt mögliche quadratische Grafik erzeugt.",
    u"Durch [+] wird in das System hinein gezoomt, durch [-] wird aus dem System heraus gezoomt.",
    u"Durch [o] wird das System in den Ausgangszustand zurück versetzt.",
    u"<br><br>",
    u"<b>Projektion:</b><br>",
    u"Die Einstellung kann zwischen orthogonal (Kanten der Grundebenen parallel)",
    u"und perspektivisch (Kanten der Grundebenen mit Fluchtpunkt im Unendlichen) umgestellt werden.",
    u"Die Perspektive kann im zweiten Fall verändert werden.",
    u"",
    u"<br><br>",
    u"<b>Achsen:</b><br>",
    u"Zu den Achsen können Namen, Einteilung und Einheiten angezeigt werden.",
    u"",
    u"<br><br>",
    u"<b>Ebenen:</b><br>",
    u"Die 3 Grundebenen können einzeln als Gitter oder als Fläche angezeigt werden.",
    u"",
    u"<br><br>",
    u"<b>Raum:</b><br>",
    u"Ein Quader um den eingestellten Raum kann eingeblendet werden.",
    u"Das System kann automatisch um die Z-Achse rotieren.",
    u"",
    u"<br><br>",
    Trennlinie,

    u"<h3>Datei-Menü</h3>",
    u"<b>Objektliste neu</b><br>",
    u"Alle Objekte in der Liste oberhalb des Koordinatensystems werden auf Nachfrage gelöscht.",
    u"",
    u"<br><br>",
    u"<b>Objektliste öffnen/speichern unter</b><br>",
    u"Beim Speichern der Objektliste werden alle Objekt-Informationen in Form einer Text-Datei",
    u"mit der Kennung <b>.o3d</b> in einem beliebigen Ordner gespeichert.",
    u"Durch direktes Editieren oder Neu-Erstellen einer solchen Datei",
    u"(z.B. auch durch andere Programme)",
    u"können eigene Objektlisten importiert werden.",
    u"Durch Erstellen eines Musters kann das Format leicht erkannt werden.",
    u"",
    u"<br><br>",
    u"<b>Koordinatensystem kopieren [Strg+C]</b><br>",
    u"Das Koordinatensystem wird als <b>.bmp</b> -Grafik in die Zwischenablage kopiert",
    u"und steht zur weiteren Nutzung z.B. in Textverarbeitunsprogrammen",
    u"durch Einfügen mit [Strg+V] zur Verfügung.",
    u"",
    u"<br><br>",
    u"<b>Koordinatensystem als JPG speichern unter</b><br>",
    u"Das Koordinatensystem wird als <b>.jpg</b> -Grafik als Datei in einem beliebigen Ordner gespeichert.",
    u"",
    u"<br><br>",
    Trennlinie,
    u"<br><br><br>",
};
// clang-format on

}  // namespace

QStringList BeschreibungZeilen()
{
    QStringList zeilen;
    zeilen.reserve(static_cast<qsizetype>(std::size(BeschreibungText)));
    for (const char16_t* zeile : BeschreibungText)
        zeilen.append(QString::fromUtf16(zeile));
    return zeilen;
}

void BeschreibungMenClick(THtmlHilfeForm& hilfe)
{
    hilfe.HilfeLeeren();
    hilfe.HilfeTitel(QStringLiteral("Beschreibung zu Orbisto"));
    for (const QString& zeile : BeschreibungZeilen())
        hilfe.HilfeZeile(zeile);
    hilfe.HilfeAnzeigen();
    hilfe.Zeigen();
}

}  // namespace orbisto
