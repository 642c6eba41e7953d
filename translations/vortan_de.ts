<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoardNames</name>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Your</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Heiß</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Frost</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Exception</source>
        <translation>Ausnahme</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Eins</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
</context>
<context>
    <name>BoardTest</name>
    <message>
        <source>The board has no Your box, so nothing on it can be taken.</source>
        <translation>Das Spielfeld hat keine Spielerbox, also kann darauf nichts eingesammelt werden.</translation>
    </message>
    <message>
        <source>The board has no Star box and no Number box: with nothing to take, a game on it is over at the first move.</source>
        <translation>Das Spielfeld hat weder Sternboxen noch Zahlenboxen: Da nichts einzusammeln ist, endet ein Spiel darauf mit dem ersten Zug.</translation>
    </message>
    <message>
        <source>The board could not be written to a temporary file.</source>
        <translation>Das Spielfeld konnte nicht in eine temporäre Datei geschrieben werden.</translation>
    </message>
    <message>
        <source>Searching for the shortest win...</source>
        <translation>Der kürzeste Weg zum Sieg wird gesucht...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Test Board</source>
        <translation>Spielfeld testen</translation>
    </message>
    <message>
        <source>The solver %1 could not be started.</source>
        <translation>Der Löser %1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The board can be won: the shortest win takes %1 move.</source>
        <translation>Das Spielfeld ist lösbar: Der kürzeste Sieg braucht %1 Zug.</translation>
    </message>
    <message>
        <source>The board can be won: the shortest win takes %1 moves.</source>
        <translation>Das Spielfeld ist lösbar: Der kürzeste Sieg braucht %1 Züge.</translation>
    </message>
    <message>
        <source>The board cannot be won within its limits.</source>
        <translation>Das Spielfeld ist innerhalb seiner Grenzen nicht zu gewinnen.</translation>
    </message>
    <message>
        <source>No win was found within the search budget.
(%1)</source>
        <translation>Innerhalb des Suchbudgets wurde kein Sieg gefunden.
(%1)</translation>
    </message>
    <message>
        <source>The test was cancelled.</source>
        <translation>Der Test wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The board could not be tested.
%1</source>
        <translation>Das Spielfeld konnte nicht getestet werden.
%1</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Alvor (average)</source>
        <translation>Alvor (mittel)</translation>
    </message>
    <message>
        <source>Brenno(moderate)</source>
        <translation>Brenno (mäßig)</translation>
    </message>
    <message>
        <source> (TBD) Cadrel</source>
        <translation> (folgt) Cadrel</translation>
    </message>
    <message>
        <source>(TBD) Dovrin</source>
        <translation>(folgt) Dovrin</translation>
    </message>
    <message>
        <source>(TBD) Eskel</source>
        <translation>(folgt) Eskel</translation>
    </message>
    <message>
        <source>(TBD) Fennow</source>
        <translation>(folgt) Fennow</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Traditional</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Chambered</source>
        <translation>Kammern</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>Labyrinth</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Geometry</source>
        <translation>Geometrie</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formen</translation>
    </message>
    <message>
        <source>Themes</source>
        <translation>Themen</translation>
    </message>
    <message>
        <source>Complex</source>
        <translation>Komplex</translation>
    </message>
    <message>
        <source>Assorted</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Kaleidoskop</translation>
    </message>
    <message>
        <source>Supergraphic</source>
        <translation>Supergrafik</translation>
    </message>
    <message>
        <source>Cadrel 1</source>
        <translation>Cadrel 1</translation>
    </message>
    <message>
        <source>Cadrel 2</source>
        <translation>Cadrel 2</translation>
    </message>
    <message>
        <source>Cadrel 3</source>
        <translation>Cadrel 3</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Reserviert</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Traps</source>
        <translation>Fallen</translation>
    </message>
    <message>
        <source>Mirrors</source>
        <translation>Spiegel</translation>
    </message>
</context>
<context>
    <name>DesignerDialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DesignerTools</name>
    <message>
        <source>Turned Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Emply</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Your</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Heiß</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Frost</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Exception</source>
        <translation>Ausnahme</translation>
    </message>
</context>
<context>
    <name>DialogDataExchange</name>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Bitte geben Sie eine positive ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a number no larger than %1.</source>
        <translation>Bitte geben Sie eine Zahl ein, die nicht größer als %1 ist.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; cannot be stored in a board file.
Please use letters, digits and signs of Western European text only.</source>
        <translation>Das Zeichen „%1“ kann nicht in einer Spielfelddatei gespeichert werden.
Bitte verwenden Sie nur Buchstaben, Ziffern und Zeichen westeuropäischer Schrift.</translation>
    </message>
</context>
<context>
    <name>GameRunner</name>
    <message>
        <source>The Demo is now over.
Note: There are a variety
of other types of regions
and boxes to discover
in Vortan.
See Help File for Details.</source>
        <translation>Die Demo ist nun vorbei.
Hinweis: In Vortan gibt es
noch viele andere Arten
von Regionen und Boxen
zu entdecken.
Einzelheiten in der Hilfedatei.</translation>
    </message>
    <message>
        <source>You can now make a demo</source>
        <translation>Sie können jetzt eine Demo aufnehmen</translation>
    </message>
    <message>
        <source>You have now finished
 making the demo!</source>
        <translation>Die Aufnahme der Demo
 ist nun beendet!</translation>
    </message>
    <message>
        <source>A hint was used in this game,
so no high score is filed.</source>
        <translation>In diesem Spiel wurde ein Tipp benutzt,
daher wird kein Highscore eingetragen.</translation>
    </message>
    <message>
        <source>Opening Message</source>
        <translation>Begrüßung</translation>
    </message>
    <message>
        <source>Demo Message</source>
        <translation>Demo-Meldung</translation>
    </message>
    <message>
        <source>Game Message</source>
        <translation>Spielmeldung</translation>
    </message>
    <message>
        <source>Demo. Message</source>
        <translation>Demo-Meldung</translation>
    </message>
    <message>
        <source>Watch the Your box, the large circular green box,
as it takes the Star boxes
and the Number boxes in ascending order
(1, 2, 3 ...) to win the game.
Note: when the boxes are moved in a direction,
all boxes move together as a group
until a wall or another box stops them.</source>
        <translation>Beobachten Sie die Spielerbox, die große runde grüne Box,
wie sie die Sternboxen
und die Zahlenboxen in aufsteigender Reihenfolge
(1, 2, 3 ...) einsammelt und das Spiel gewinnt.
Hinweis: Werden die Boxen in eine Richtung bewegt,
bewegen sich alle Boxen gemeinsam,
bis eine Wand oder eine andere Box sie aufhält.</translation>
    </message>
    <message>
        <source>No hint: the search needs more memory than it may use.</source>
        <translation>Kein Tipp: Die Suche bräuchte mehr Speicher, als sie belegen darf.</translation>
    </message>
    <message>
        <source>No hint for this board.</source>
        <translation>Für dieses Spielfeld gibt es keinen Tipp.</translation>
    </message>
    <message>
        <source>No winning line from here.</source>
        <translation>Von hier aus ist kein Sieg mehr möglich.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
</context>
<context>
    <name>PlacementRules</name>
    <message>
        <source>This Region can&apos;t be modified!</source>
        <translation>Diese Region kann nicht verändert werden!</translation>
    </message>
    <message>
        <source>Invalid placement</source>
        <translation>Ungültige Platzierung</translation>
    </message>
    <message>
        <source>The Green Region is not
 compatible with this box</source>
        <translation>Die grüne Region ist nicht
 mit dieser Box verträglich</translation>
    </message>
    <message>
        <source>The Orange Region is not
 compatible with this box</source>
        <translation>Die orange Region ist nicht
 mit dieser Box verträglich</translation>
    </message>
    <message>
        <source>The Blue Region will delete
 any box in this spot</source>
        <translation>Die blaue Region löscht
 jede Box an dieser Stelle</translation>
    </message>
    <message>
        <source>placement message</source>
        <translation>Platzierungshinweis</translation>
    </message>
    <message>
        <source>The current box is not compatible
 with this region.  Therefore
 the box will be deleted</source>
        <translation>Die aktuelle Box ist nicht mit
 dieser Region verträglich. Daher
 wird die Box gelöscht</translation>
    </message>
    <message>
        <source>The current box is not compatible
 with this Orange region.  Therefore
 the box will be deleted</source>
        <translation>Die aktuelle Box ist nicht mit
 dieser orangen Region verträglich. Daher
 wird die Box gelöscht</translation>
    </message>
    <message>
        <source>The your box is not compatible
 with this Red region. Therefore
 the box will be deleted</source>
        <translation>Die Spielerbox ist nicht mit
 dieser roten Region verträglich. Daher
 wird die Box gelöscht</translation>
    </message>
    <message>
        <source>This Box can&apos;t be placed in this region</source>
        <translation>Diese Box kann nicht in diese Region gesetzt werden</translation>
    </message>
    <message>
        <source>The current Green Region is not
 compatible with this box</source>
        <translation>Die aktuelle grüne Region ist nicht
 mit dieser Box verträglich</translation>
    </message>
    <message>
        <source>The current Orange Region is not
 compatible with this box</source>
        <translation>Die aktuelle orange Region ist nicht
 mit dieser Box verträglich</translation>
    </message>
    <message>
        <source>A Your box already exists</source>
        <translation>Es gibt bereits eine Spielerbox</translation>
    </message>
    <message>
        <source>The current Orange Region is not
 compatible with Your box</source>
        <translation>Die aktuelle orange Region ist nicht
 mit der Spielerbox verträglich</translation>
    </message>
    <message>
        <source>The current Red Region is not
 compatible with Your box</source>
        <translation>Die aktuelle rote Region ist nicht
 mit der Spielerbox verträglich</translation>
    </message>
    <message>
        <source>The number is out of range</source>
        <translation>Die Zahl liegt außerhalb des erlaubten Bereichs</translation>
    </message>
    <message>
        <source>Invalid Number</source>
        <translation>Ungültige Zahl</translation>
    </message>
    <message>
        <source>That Number box already exists</source>
        <translation>Diese Zahlenbox gibt es bereits</translation>
    </message>
    <message>
        <source>Invalid Placement</source>
        <translation>Ungültige Platzierung</translation>
    </message>
    <message>
        <source>The Green Region is not
 compatible with this Number box</source>
        <translation>Die grüne Region ist nicht
 mit dieser Zahlenbox verträglich</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Building a board that can be won...</source>
        <translation>Ein gewinnbares Spielfeld wird gebaut...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Random Board</source>
        <translation>Zufallsspielfeld</translation>
    </message>
</context>
<context>
    <name>vortan::CAboutDlg</name>
    <message>
        <source>Vortan, Version 2.3</source>
        <translation>Vortan, Version 2.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vortan::CEnterHighScoreDlg</name>
    <message>
        <source>Enter High Score</source>
        <translation>Highscore eintragen</translation>
    </message>
    <message>
        <source>New High Score:</source>
        <translation>Highscore:</translation>
    </message>
    <message>
        <source>Enter In Your Three letter Initial:</source>
        <translation>Ihre drei Initialen eingeben:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>vortan::CGameMessageDlg</name>
    <message>
        <source>Game Message</source>
        <translation>Spielmeldung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>GAME  OVER</source>
        <translation>SPIEL  VORBEI</translation>
    </message>
    <message>
        <source>YOU WON</source>
        <translation>GEWONNEN</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPIEL VORBEI</translation>
    </message>
    <message>
        <source>YOU LOST</source>
        <translation>VERLOREN</translation>
    </message>
</context>
<context>
    <name>vortan::CMainFrame</name>
    <message>
        <source>Vortan Help</source>
        <translation>Vortan-Hilfe</translation>
    </message>
    <message>
        <source>Vortan Version 2.3</source>
        <translation>Vortan Version 2.3</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Pause when the window is left</source>
        <translation>Pausieren, wenn das Fenster verlassen wird</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>E&amp;ffects</source>
        <translation>&amp;Effekte</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musik</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>&amp;Animation</translation>
    </message>
    <message>
        <source>A&amp;nimation</source>
        <translation>A&amp;nimation</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>St&amp;euerung</translation>
    </message>
    <message>
        <source>&amp;Mouse</source>
        <translation>&amp;Maus</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>&amp;Designer</translation>
    </message>
    <message>
        <source>&amp;Web Link</source>
        <translation>&amp;Weblink</translation>
    </message>
    <message>
        <source>Web &amp;Link</source>
        <translation>Web&amp;link</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help File</source>
        <translation>&amp;Hilfedatei</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>Hilfe &amp;verwenden</translation>
    </message>
    <message>
        <source>&amp;About Vortan...</source>
        <translation>Ü&amp;ber Vortan...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Board (*.dat)</source>
        <translation>Spielfeld (*.dat)</translation>
    </message>
    <message>
        <source>&amp;Random Board...</source>
        <translation>&amp;Zufallsspielfeld...</translation>
    </message>
    <message>
        <source>&amp;Copy Board ID</source>
        <translation>Spielfeld-ID &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save Board As...</source>
        <translation>Spielfeld &amp;speichern unter...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Random Board</source>
        <translation>Zufallsspielfeld</translation>
    </message>
    <message>
        <source>No winnable board was found for %1. Please try another seed.</source>
        <translation>Für %1 wurde kein gewinnbares Spielfeld gefunden. Bitte einen anderen Startwert versuchen.</translation>
    </message>
    <message>
        <source>Copy Board ID</source>
        <translation>Spielfeld-ID kopieren</translation>
    </message>
    <message>
        <source>Only random boards have a board ID.</source>
        <translation>Nur Zufallsspielfelder haben eine Spielfeld-ID.</translation>
    </message>
    <message>
        <source>Save Board As</source>
        <translation>Spielfeld speichern unter</translation>
    </message>
    <message>
        <source>There is no board to save.</source>
        <translation>Es gibt kein Spielfeld zum Speichern.</translation>
    </message>
    <message>
        <source>The board could not be written to %1.</source>
        <translation>Das Spielfeld konnte nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>vortan::COptionsDlg</name>
    <message>
        <source>Options Menu</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Traditional</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blautöne</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Spezialeffekte</translation>
    </message>
    <message>
        <source>Artistic</source>
        <translation>Künstlerisch</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Klangeffekte</translation>
    </message>
    <message>
        <source>Orignal</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Special Effect</source>
        <translation>Spezialeffekt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>vortan::CPauseDlg</name>
    <message>
        <source>Game Message</source>
        <translation>Spielmeldung</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>UNPAUSE</source>
        <translation>WEITER</translation>
    </message>
</context>
<context>
    <name>vortan::CPlayGameDlg</name>
    <message>
        <source>Play Game</source>
        <translation>Spiel wählen</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Game Menu</source>
        <translation>Spielauswahl</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Series %1</source>
        <translation>Serie %1</translation>
    </message>
    <message>
        <source>Total of 120 Games per Version</source>
        <translation>Insgesamt 120 Spiele je Version</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Spiel %1</translation>
    </message>
    <message>
        <source>Choose a type and then a game to play</source>
        <translation>Wählen Sie eine Serie und dann ein Spiel</translation>
    </message>
    <message>
        <source>Initials:</source>
        <translation>Initialen:</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>Highscore:</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>SPIELEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>Highscores löschen</translation>
    </message>
</context>
<context>
    <name>vortan::CRandomBoardDlg</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Best results:</source>
        <translation>Beste Ergebnisse:</translation>
    </message>
    <message>
        <source>no game won yet</source>
        <translation>noch kein Spiel gewonnen</translation>
    </message>
    <message>
        <source>%1 moves (%2), %3 s left (%4)</source>
        <translation>%1 Züge (%2), %3 s übrig (%4)</translation>
    </message>
    <message>
        <source>Random Board</source>
        <translation>Zufallsspielfeld</translation>
    </message>
    <message>
        <source>empty for a new board</source>
        <translation>leer für ein neues Spielfeld</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>&amp;Schwierigkeit:</translation>
    </message>
    <message>
        <source>Board &amp;ID:</source>
        <translation>Spielfeld-&amp;ID:</translation>
    </message>
    <message>
        <source>A board ID rebuilds that board; its difficulty comes with it.</source>
        <translation>Eine Spielfeld-ID baut genau dieses Spielfeld wieder auf; ihre Schwierigkeit bringt sie mit.</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Erzeugen</translation>
    </message>
    <message>
        <source>This is not a board ID. A board ID is a letter (E, M, H or X) and eight characters, like H-3AVB-FHFZ.</source>
        <translation>Das ist keine Spielfeld-ID. Eine Spielfeld-ID besteht aus einem Buchstaben (E, M, H oder X) und acht Zeichen, etwa H-3AVB-FHFZ.</translation>
    </message>
    <message>
        <source>This board ID has a typing mistake: its last character does not match the others. Please check it.</source>
        <translation>Diese Spielfeld-ID enthält einen Tippfehler: Ihr letztes Zeichen passt nicht zu den übrigen. Bitte prüfen.</translation>
    </message>
    <message>
        <source>This board ID comes from another version of the game (board generator %1); this version builds generator %2 boards.</source>
        <translation>Diese Spielfeld-ID stammt aus einer anderen Version des Spiels (Spielfeldgenerator %1); diese Version baut Spielfelder des Generators %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>vortan::CScreenComposer</name>
    <message>
        <source>N.A.</source>
        <translation>K.A.</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>ALLE</translation>
    </message>
    <message>
        <source>LOST</source>
        <translation>WEG</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Mouse Control</source>
        <translation>Maussteuerung</translation>
    </message>
    <message>
        <source>Click On Screen</source>
        <translation>Ins Bild klicken</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>STUFE</translation>
    </message>
    <message>
        <source>LIVES</source>
        <translation>LEBEN</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>PUNKTE</translation>
    </message>
    <message>
        <source>Move Limit</source>
        <translation>Zuglimit</translation>
    </message>
    <message>
        <source>Time Limit</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>Num Box Limit</source>
        <translation>Zeit Zahlen</translation>
    </message>
    <message>
        <source>Star Box Limit</source>
        <translation>Zeit Sterne</translation>
    </message>
</context>
<context>
    <name>vortan::CWebLinkDlg</name>
    <message>
        <source>Web Link</source>
        <translation>Weblink</translation>
    </message>
    <message>
        <source>Please connect to the Internet before using the web link below</source>
        <translation>Bitte stellen Sie eine Internetverbindung her, bevor Sie den Link unten benutzen</translation>
    </message>
    <message>
        <source>Note, the web link only works with Internet Explorer</source>
        <translation>Hinweis: Der Link funktioniert nur mit dem Internet Explorer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vortan::CZembrikView</name>
    <message>
        <source>Vortan Version 2.3</source>
        <translation>Vortan Version 2.3</translation>
    </message>
    <message>
        <source>Cannot install timer!!!!</source>
        <translation>Zeitgeber kann nicht eingerichtet werden!!!!</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
</context>
<context>
    <name>vortan::HelpWindow</name>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file &lt;tt&gt;%1&lt;/tt&gt; could not be found.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Hilfe ist nicht verfügbar&lt;/h2&gt;&lt;p&gt;Die Hilfedatei &lt;tt&gt;%1&lt;/tt&gt; wurde nicht gefunden.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>vortan::designer::CAboutDlg</name>
    <message>
        <source>About Vortan Designer</source>
        <translation>Über Vortan Designer</translation>
    </message>
    <message>
        <source>Vortan Designer, Version 1.0</source>
        <translation>Vortan Designer, Version 1.0</translation>
    </message>
</context>
<context>
    <name>vortan::designer::CBoxNumberDlg</name>
    <message>
        <source>Box Number</source>
        <translation>Boxnummer</translation>
    </message>
    <message>
        <source>Enter a number from 1-9</source>
        <translation>Eine Zahl von 1 bis 9 eingeben</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Zahl:</translation>
    </message>
</context>
<context>
    <name>vortan::designer::CInitializeDlg</name>
    <message>
        <source>Initialize</source>
        <translation>Initialisieren</translation>
    </message>
    <message>
        <source>Game Name:</source>
        <translation>Spielname:</translation>
    </message>
    <message>
        <source>Opening Message:</source>
        <translation>Begrüßung:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>vortan::designer::CLimitsDlg</name>
    <message>
        <source>Limits</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>All time are in Seconds</source>
        <translation>Alle Zeiten in Sekunden</translation>
    </message>
    <message>
        <source>Note: For Limits, 0 mean OFF</source>
        <translation>Grenzen: 0 = aus</translation>
    </message>
    <message>
        <source>Time Limit:</source>
        <translation>Zeitlimit:</translation>
    </message>
    <message>
        <source>Move Limit:</source>
        <translation>Zuglimit:</translation>
    </message>
    <message>
        <source>Number Box Time Limit:</source>
        <translation>Zeitlimit Zahlenbox:</translation>
    </message>
    <message>
        <source>Star Box Time Limit:</source>
        <translation>Zeitlimit Sternbox:</translation>
    </message>
    <message>
        <source>Number Of Lives:</source>
        <translation>Anzahl Leben:</translation>
    </message>
    <message>
        <source>Time Box time value:</source>
        <translation>Zeitwert Zeitbox:</translation>
    </message>
    <message>
        <source>Move Box move value:</source>
        <translation>Zugwert Zugbox:</translation>
    </message>
    <message>
        <source>Note:  The Time Box Time Value is used for Time, Star and            Number boxes.</source>
        <translation>Hinweis: Der Zeitwert der Zeitbox gilt für Zeit-, Stern- und Zahlenboxen.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>vortan::designer::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Fill Selection</source>
        <translation>Auswahl &amp;füllen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tool Bar</source>
        <translation>&amp;Werkzeugleisten</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Regions</source>
        <translation>Regionen</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Boxen</translation>
    </message>
    <message>
        <source>&amp;Regions</source>
        <translation>&amp;Regionen</translation>
    </message>
    <message>
        <source>Region: %1</source>
        <translation>Region: %1</translation>
    </message>
    <message>
        <source>&amp;Boxes</source>
        <translation>Bo&amp;xen</translation>
    </message>
    <message>
        <source>Box: %1</source>
        <translation>Box: %1</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Initialize</source>
        <translation>Initialisieren</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>Test Board</source>
        <translation>Spielfeld testen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help File</source>
        <translation>&amp;Hilfedatei</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>Hilfe &amp;verwenden</translation>
    </message>
    <message>
        <source>&amp;About Vortan Designer...</source>
        <translation>Ü&amp;ber Vortan Designer...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Context Help</source>
        <translation>Kontexthilfe</translation>
    </message>
    <message>
        <source>Tools: %1, %2</source>
        <translation>Werkzeuge: %1, %2</translation>
    </message>
    <message>
        <source>Cell %1, %2: %3, %4, %5</source>
        <translation>Zelle %1, %2: %3, %4, %5</translation>
    </message>
    <message>
        <source>Vortan Designer Help</source>
        <translation>Vortan-Designer-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
</context>
<context>
    <name>vortan::designer::CQuorvel1Doc</name>
    <message>
        <source>Vortan Designer</source>
        <translation>Vortan Designer</translation>
    </message>
    <message>
        <source>Board (*.dat)</source>
        <translation>Spielfeld (*.dat)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot open %1.
%2</source>
        <translation>%1 kann nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
    <message>
        <source>Cannot create %1.
Invalid filename.</source>
        <translation>%1 kann nicht angelegt werden.
Ungültiger Dateiname.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Failed to save document.
%1</source>
        <translation>Das Dokument konnte nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>vortan::designer::CQuorvel1View</name>
    <message>
        <source>1 cell</source>
        <translation>1 Zelle</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 Zellen</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Malen</translation>
    </message>
    <message>
        <source>%1 of %2 was refused:
%3</source>
        <translation>%1 von %2 wurde abgelehnt:
%3</translation>
    </message>
    <message>
        <source>%1 of %2 were refused:
%3</source>
        <translation>%1 von %2 wurden abgelehnt:
%3</translation>
    </message>
    <message>
        <source>%1 lost its box:
%2</source>
        <translation>%1 verlor ihre Box:
%2</translation>
    </message>
    <message>
        <source>%1 lost their box:
%2</source>
        <translation>%1 verloren ihre Box:
%2</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Region:	%1
Box:	%2
Number:	%3</source>
        <translation>Region:	%1
Box:	%2
Zahl:	%3</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Zelle</translation>
    </message>
    <message>
        <source>Initialize</source>
        <translation>Initialisieren</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Grenzen</translation>
    </message>
</context>
</TS>
