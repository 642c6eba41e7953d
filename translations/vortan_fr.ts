<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BoardNames</name>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Your</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Brûlante</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Gel</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Coup</translation>
    </message>
    <message>
        <source>Exception</source>
        <translation>Exception</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Un</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
</context>
<context>
    <name>BoardTest</name>
    <message>
        <source>The board has no Your box, so nothing on it can be taken.</source>
        <translation>Le plateau n’a pas de boîte du joueur : rien ne peut y être pris.</translation>
    </message>
    <message>
        <source>The board has no Star box and no Number box: with nothing to take, a game on it is over at the first move.</source>
        <translation>Le plateau n’a ni boîte Étoile ni boîte Nombre : rien n’étant à prendre, une partie s’y termine dès le premier coup.</translation>
    </message>
    <message>
        <source>The board could not be written to a temporary file.</source>
        <translation>Le plateau n’a pas pu être écrit dans un fichier temporaire.</translation>
    </message>
    <message>
        <source>Searching for the shortest win...</source>
        <translation>Recherche de la victoire la plus courte...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Test Board</source>
        <translation>Tester le plateau</translation>
    </message>
    <message>
        <source>The solver %1 could not be started.</source>
        <translation>Le solveur %1 n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>The board can be won: the shortest win takes %1 move.</source>
        <translation>Le plateau peut être gagné : la victoire la plus courte demande %1 coup.</translation>
    </message>
    <message>
        <source>The board can be won: the shortest win takes %1 moves.</source>
        <translation>Le plateau peut être gagné : la victoire la plus courte demande %1 coups.</translation>
    </message>
    <message>
        <source>The board cannot be won within its limits.</source>
        <translation>Le plateau ne peut pas être gagné dans ses limites.</translation>
    </message>
    <message>
        <source>No win was found within the search budget.
(%1)</source>
        <translation>Aucune victoire trouvée dans le budget de recherche.
(%1)</translation>
    </message>
    <message>
        <source>The test was cancelled.</source>
        <translation>Le test a été annulé.</translation>
    </message>
    <message>
        <source>The board could not be tested.
%1</source>
        <translation>Le plateau n’a pas pu être testé.
%1</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Alvor (average)</source>
        <translation>Alvor (moyen)</translation>
    </message>
    <message>
        <source>Brenno(moderate)</source>
        <translation>Brenno (modéré)</translation>
    </message>
    <message>
        <source> (TBD) Cadrel</source>
        <translation> (à venir) Cadrel</translation>
    </message>
    <message>
        <source>(TBD) Dovrin</source>
        <translation>(à venir) Dovrin</translation>
    </message>
    <message>
        <source>(TBD) Eskel</source>
        <translation>(à venir) Eskel</translation>
    </message>
    <message>
        <source>(TBD) Fennow</source>
        <translation>(à venir) Fennow</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Traditional</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Chambered</source>
        <translation>Chambres</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>Labyrinthe</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Motifs</translation>
    </message>
    <message>
        <source>Geometry</source>
        <translation>Géométrie</translation>
    </message>
    <message>
        <source>Shapes</source>
        <translation>Formes</translation>
    </message>
    <message>
        <source>Themes</source>
        <translation>Thèmes</translation>
    </message>
    <message>
        <source>Complex</source>
        <translation>Complexe</translation>
    </message>
    <message>
        <source>Assorted</source>
        <translation>Assortis</translation>
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
        <translation>Simple</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Kaleidoscope</source>
        <translation>Kaléidoscope</translation>
    </message>
    <message>
        <source>Supergraphic</source>
        <translation>Supergraphisme</translation>
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
        <translation>Réservé</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Traps</source>
        <translation>Pièges</translation>
    </message>
    <message>
        <source>Mirrors</source>
        <translation>Miroirs</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DesignerTools</name>
    <message>
        <source>Turned Off</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Emply</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Your</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Brûlante</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Gel</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Coup</translation>
    </message>
    <message>
        <source>Exception</source>
        <translation>Exception</translation>
    </message>
</context>
<context>
    <name>DialogDataExchange</name>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Veuillez saisir un entier positif.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un entier.</translation>
    </message>
    <message>
        <source>Please enter a number no larger than %1.</source>
        <translation>Veuillez saisir un nombre inférieur ou égal à %1.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; cannot be stored in a board file.
Please use letters, digits and signs of Western European text only.</source>
        <translation>Le caractère « %1 » ne peut pas être enregistré dans un fichier de plateau.
Veuillez n’utiliser que des lettres, des chiffres et des signes de l’écriture d’Europe occidentale.</translation>
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
        <translation>La démo est terminée.
Remarque : il reste bien d’autres
types de régions et de boîtes
à découvrir dans Vortan.
Voir le fichier d’aide
pour les détails.</translation>
    </message>
    <message>
        <source>You can now make a demo</source>
        <translation>Vous pouvez maintenant enregistrer une démo</translation>
    </message>
    <message>
        <source>You have now finished
 making the demo!</source>
        <translation>L’enregistrement de la démo
 est terminé !</translation>
    </message>
    <message>
        <source>A hint was used in this game,
so no high score is filed.</source>
        <translation>Un indice a été utilisé dans cette partie,
aucun record n’est donc enregistré.</translation>
    </message>
    <message>
        <source>Opening Message</source>
        <translation>Message d’ouverture</translation>
    </message>
    <message>
        <source>Demo Message</source>
        <translation>Message de démo</translation>
    </message>
    <message>
        <source>Game Message</source>
        <translation>Message de jeu</translation>
    </message>
    <message>
        <source>Demo. Message</source>
        <translation>Message de démo</translation>
    </message>
    <message>
        <source>Watch the Your box, the large circular green box,
as it takes the Star boxes
and the Number boxes in ascending order
(1, 2, 3 ...) to win the game.
Note: when the boxes are moved in a direction,
all boxes move together as a group
until a wall or another box stops them.</source>
        <translation>Observez la boîte du joueur, la grande boîte ronde verte,
prendre les boîtes Étoile
et les boîtes Nombre dans l’ordre croissant
(1, 2, 3 ...) pour gagner la partie.
Remarque : quand les boîtes sont poussées dans une direction,
toutes se déplacent ensemble
jusqu’à ce qu’un mur ou une autre boîte les arrête.</translation>
    </message>
    <message>
        <source>No hint: the search needs more memory than it may use.</source>
        <translation>Pas d’indice : la recherche demanderait plus de mémoire qu’elle ne peut en utiliser.</translation>
    </message>
    <message>
        <source>No hint for this board.</source>
        <translation>Pas d’indice pour ce plateau.</translation>
    </message>
    <message>
        <source>No winning line from here.</source>
        <translation>Plus aucune victoire possible d’ici.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
</context>
<context>
    <name>PlacementRules</name>
    <message>
        <source>This Region can&apos;t be modified!</source>
        <translation>Cette région ne peut pas être modifiée !</translation>
    </message>
    <message>
        <source>Invalid placement</source>
        <translation>Placement invalide</translation>
    </message>
    <message>
        <source>The Green Region is not
 compatible with this box</source>
        <translation>La région verte n’est pas
 compatible avec cette boîte</translation>
    </message>
    <message>
        <source>The Orange Region is not
 compatible with this box</source>
        <translation>La région orange n’est pas
 compatible avec cette boîte</translation>
    </message>
    <message>
        <source>The Blue Region will delete
 any box in this spot</source>
        <translation>La région bleue supprime
 toute boîte à cet endroit</translation>
    </message>
    <message>
        <source>placement message</source>
        <translation>message de placement</translation>
    </message>
    <message>
        <source>The current box is not compatible
 with this region.  Therefore
 the box will be deleted</source>
        <translation>La boîte actuelle n’est pas compatible
 avec cette région. La boîte
 sera donc supprimée</translation>
    </message>
    <message>
        <source>The current box is not compatible
 with this Orange region.  Therefore
 the box will be deleted</source>
        <translation>La boîte actuelle n’est pas compatible
 avec cette région orange. La boîte
 sera donc supprimée</translation>
    </message>
    <message>
        <source>The your box is not compatible
 with this Red region. Therefore
 the box will be deleted</source>
        <translation>La boîte du joueur n’est pas compatible
 avec cette région rouge. La boîte
 sera donc supprimée</translation>
    </message>
    <message>
        <source>This Box can&apos;t be placed in this region</source>
        <translation>Cette boîte ne peut pas être placée dans cette région</translation>
    </message>
    <message>
        <source>The current Green Region is not
 compatible with this box</source>
        <translation>La région verte actuelle n’est pas
 compatible avec cette boîte</translation>
    </message>
    <message>
        <source>The current Orange Region is not
 compatible with this box</source>
        <translation>La région orange actuelle n’est pas
 compatible avec cette boîte</translation>
    </message>
    <message>
        <source>A Your box already exists</source>
        <translation>Une boîte du joueur existe déjà</translation>
    </message>
    <message>
        <source>The current Orange Region is not
 compatible with Your box</source>
        <translation>La région orange actuelle n’est pas
 compatible avec la boîte du joueur</translation>
    </message>
    <message>
        <source>The current Red Region is not
 compatible with Your box</source>
        <translation>La région rouge actuelle n’est pas
 compatible avec la boîte du joueur</translation>
    </message>
    <message>
        <source>The number is out of range</source>
        <translation>Le nombre est hors limites</translation>
    </message>
    <message>
        <source>Invalid Number</source>
        <translation>Nombre invalide</translation>
    </message>
    <message>
        <source>That Number box already exists</source>
        <translation>Cette boîte Nombre existe déjà</translation>
    </message>
    <message>
        <source>Invalid Placement</source>
        <translation>Placement invalide</translation>
    </message>
    <message>
        <source>The Green Region is not
 compatible with this Number box</source>
        <translation>La région verte n’est pas
 compatible avec cette boîte Nombre</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Building a board that can be won...</source>
        <translation>Construction d&apos;un plateau gagnable...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Random Board</source>
        <translation>Plateau aléatoire</translation>
    </message>
</context>
<context>
    <name>vortan::CAboutDlg</name>
    <message>
        <source>Vortan, Version 2.3</source>
        <translation>Vortan, version 2.3</translation>
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
        <translation>Nouveau record</translation>
    </message>
    <message>
        <source>New High Score:</source>
        <translation>Record :</translation>
    </message>
    <message>
        <source>Enter In Your Three letter Initial:</source>
        <translation>Saisissez vos trois initiales :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>vortan::CGameMessageDlg</name>
    <message>
        <source>Game Message</source>
        <translation>Message de jeu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>GAME  OVER</source>
        <translation>PARTIE  TERMINÉE</translation>
    </message>
    <message>
        <source>YOU WON</source>
        <translation>GAGNÉ</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>PARTIE TERMINÉE</translation>
    </message>
    <message>
        <source>YOU LOST</source>
        <translation>PERDU</translation>
    </message>
</context>
<context>
    <name>vortan::CMainFrame</name>
    <message>
        <source>Vortan Help</source>
        <translation>Aide de Vortan</translation>
    </message>
    <message>
        <source>Vortan Version 2.3</source>
        <translation>Vortan version 2.3</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Terminer la partie</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Démo</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Pause when the window is left</source>
        <translation>Pause quand la fenêtre est quittée</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>E&amp;ffects</source>
        <translation>&amp;Effets</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musique</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>A&amp;nimation</translation>
    </message>
    <message>
        <source>A&amp;nimation</source>
        <translation>A&amp;nimation</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>&amp;Commande</translation>
    </message>
    <message>
        <source>&amp;Mouse</source>
        <translation>&amp;Souris</translation>
    </message>
    <message>
        <source>&amp;Designer</source>
        <translation>Conc&amp;epteur</translation>
    </message>
    <message>
        <source>&amp;Web Link</source>
        <translation>Lien &amp;Web</translation>
    </message>
    <message>
        <source>Web &amp;Link</source>
        <translation>&amp;Lien Web</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help File</source>
        <translation>&amp;Fichier d’aide</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Utiliser l’aide</translation>
    </message>
    <message>
        <source>&amp;About Vortan...</source>
        <translation>À &amp;propos de Vortan...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Board (*.dat)</source>
        <translation>Plateau (*.dat)</translation>
    </message>
    <message>
        <source>&amp;Random Board...</source>
        <translation>Plateau &amp;aléatoire...</translation>
    </message>
    <message>
        <source>&amp;Copy Board ID</source>
        <translation>&amp;Copier l&apos;ID du plateau</translation>
    </message>
    <message>
        <source>&amp;Save Board As...</source>
        <translation>&amp;Enregistrer le plateau sous...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Random Board</source>
        <translation>Plateau aléatoire</translation>
    </message>
    <message>
        <source>No winnable board was found for %1. Please try another seed.</source>
        <translation>Aucun plateau gagnable n&apos;a été trouvé pour %1. Essayez une autre graine.</translation>
    </message>
    <message>
        <source>Copy Board ID</source>
        <translation>Copier l&apos;ID du plateau</translation>
    </message>
    <message>
        <source>Only random boards have a board ID.</source>
        <translation>Seuls les plateaux aléatoires ont un ID.</translation>
    </message>
    <message>
        <source>Save Board As</source>
        <translation>Enregistrer le plateau sous</translation>
    </message>
    <message>
        <source>There is no board to save.</source>
        <translation>Il n&apos;y a aucun plateau à enregistrer.</translation>
    </message>
    <message>
        <source>The board could not be written to %1.</source>
        <translation>Le plateau n&apos;a pas pu être écrit dans %1.</translation>
    </message>
</context>
<context>
    <name>vortan::COptionsDlg</name>
    <message>
        <source>Options Menu</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphismes</translation>
    </message>
    <message>
        <source>Traditional</source>
        <translation>Classiques</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mélangés</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Bleus</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Special Effects</source>
        <translation>Effets spéciaux</translation>
    </message>
    <message>
        <source>Artistic</source>
        <translation>Artistique</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Effets sonores</translation>
    </message>
    <message>
        <source>Orignal</source>
        <translation>Originaux</translation>
    </message>
    <message>
        <source>Special Effect</source>
        <translation>Effet spécial</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>vortan::CPauseDlg</name>
    <message>
        <source>Game Message</source>
        <translation>Message de jeu</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>EN PAUSE</translation>
    </message>
    <message>
        <source>UNPAUSE</source>
        <translation>REPRISE</translation>
    </message>
</context>
<context>
    <name>vortan::CPlayGameDlg</name>
    <message>
        <source>Play Game</source>
        <translation>Jouer une partie</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Game Menu</source>
        <translation>Choix de la partie</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Series %1</source>
        <translation>Série %1</translation>
    </message>
    <message>
        <source>Total of 120 Games per Version</source>
        <translation>120 parties par version au total</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Partie %1</translation>
    </message>
    <message>
        <source>Choose a type and then a game to play</source>
        <translation>Choisissez une série, puis une partie</translation>
    </message>
    <message>
        <source>Initials:</source>
        <translation>Initiales :</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>Record :</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>JOUER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Reset High Scores</source>
        <translation>Effacer les records</translation>
    </message>
</context>
<context>
    <name>vortan::CRandomBoardDlg</name>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Best results:</source>
        <translation>Meilleurs résultats :</translation>
    </message>
    <message>
        <source>no game won yet</source>
        <translation>aucune partie gagnée</translation>
    </message>
    <message>
        <source>%1 moves (%2), %3 s left (%4)</source>
        <translation>%1 coups (%2), %3 s restantes (%4)</translation>
    </message>
    <message>
        <source>Random Board</source>
        <translation>Plateau aléatoire</translation>
    </message>
    <message>
        <source>empty for a new board</source>
        <translation>vide pour un nouveau plateau</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>&amp;Difficulté :</translation>
    </message>
    <message>
        <source>Board &amp;ID:</source>
        <translation>&amp;ID du plateau :</translation>
    </message>
    <message>
        <source>A board ID rebuilds that board; its difficulty comes with it.</source>
        <translation>Un ID reconstruit ce plateau ; sa difficulté l&apos;accompagne.</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Générer</translation>
    </message>
    <message>
        <source>This is not a board ID. A board ID is a letter (E, M, H or X) and eight characters, like H-3AVB-FHFZ.</source>
        <translation>Ce n&apos;est pas un ID de plateau. Un ID est une lettre (E, M, H ou X) et huit caractères, comme H-3AVB-FHFZ.</translation>
    </message>
    <message>
        <source>This board ID has a typing mistake: its last character does not match the others. Please check it.</source>
        <translation>Cet ID de plateau contient une faute de frappe : son dernier caractère ne correspond pas aux autres. Vérifiez-le.</translation>
    </message>
    <message>
        <source>This board ID comes from another version of the game (board generator %1); this version builds generator %2 boards.</source>
        <translation>Cet ID de plateau vient d&apos;une autre version du jeu (générateur %1) ; cette version construit des plateaux du générateur %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>vortan::CScreenComposer</name>
    <message>
        <source>N.A.</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>FINI</translation>
    </message>
    <message>
        <source>LOST</source>
        <translation>ZÉRO</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>SANS</translation>
    </message>
    <message>
        <source>Mouse Control</source>
        <translation>Commande souris</translation>
    </message>
    <message>
        <source>Click On Screen</source>
        <translation>Cliquez sur l’image</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>NIVEAU</translation>
    </message>
    <message>
        <source>LIVES</source>
        <translation>VIES</translation>
    </message>
    <message>
        <source>SCORE</source>
        <translation>SCORE</translation>
    </message>
    <message>
        <source>Move Limit</source>
        <translation>Coups max</translation>
    </message>
    <message>
        <source>Time Limit</source>
        <translation>Temps max</translation>
    </message>
    <message>
        <source>Num Box Limit</source>
        <translation>Temps Nombres</translation>
    </message>
    <message>
        <source>Star Box Limit</source>
        <translation>Temps Étoiles</translation>
    </message>
</context>
<context>
    <name>vortan::CWebLinkDlg</name>
    <message>
        <source>Web Link</source>
        <translation>Lien Web</translation>
    </message>
    <message>
        <source>Please connect to the Internet before using the web link below</source>
        <translation>Veuillez vous connecter à Internet avant d’utiliser le lien ci-dessous</translation>
    </message>
    <message>
        <source>Note, the web link only works with Internet Explorer</source>
        <translation>Remarque : le lien ne fonctionne qu’avec Internet Explorer</translation>
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
        <translation>Vortan version 2.3</translation>
    </message>
    <message>
        <source>Cannot install timer!!!!</source>
        <translation>Impossible d’installer la minuterie !!!!</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>Impossible d’ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Format de fichier inattendu.</translation>
    </message>
</context>
<context>
    <name>vortan::HelpWindow</name>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file &lt;tt&gt;%1&lt;/tt&gt; could not be found.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;L’aide n’est pas disponible&lt;/h2&gt;&lt;p&gt;Le fichier d’aide &lt;tt&gt;%1&lt;/tt&gt; est introuvable.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>vortan::designer::CAboutDlg</name>
    <message>
        <source>About Vortan Designer</source>
        <translation>À propos du concepteur Vortan</translation>
    </message>
    <message>
        <source>Vortan Designer, Version 1.0</source>
        <translation>Concepteur Vortan, version 1.0</translation>
    </message>
</context>
<context>
    <name>vortan::designer::CBoxNumberDlg</name>
    <message>
        <source>Box Number</source>
        <translation>Numéro de boîte</translation>
    </message>
    <message>
        <source>Enter a number from 1-9</source>
        <translation>Saisissez un nombre de 1 à 9</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nombre :</translation>
    </message>
</context>
<context>
    <name>vortan::designer::CInitializeDlg</name>
    <message>
        <source>Initialize</source>
        <translation>Initialiser</translation>
    </message>
    <message>
        <source>Game Name:</source>
        <translation>Nom de la partie :</translation>
    </message>
    <message>
        <source>Opening Message:</source>
        <translation>Accueil :</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>vortan::designer::CLimitsDlg</name>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>All time are in Seconds</source>
        <translation>Durées en secondes</translation>
    </message>
    <message>
        <source>Note: For Limits, 0 mean OFF</source>
        <translation>Limites : 0 = sans</translation>
    </message>
    <message>
        <source>Time Limit:</source>
        <translation>Limite de temps :</translation>
    </message>
    <message>
        <source>Move Limit:</source>
        <translation>Limite de coups :</translation>
    </message>
    <message>
        <source>Number Box Time Limit:</source>
        <translation>Temps boîtes Nombre :</translation>
    </message>
    <message>
        <source>Star Box Time Limit:</source>
        <translation>Temps boîtes Étoile :</translation>
    </message>
    <message>
        <source>Number Of Lives:</source>
        <translation>Nombre de vies :</translation>
    </message>
    <message>
        <source>Time Box time value:</source>
        <translation>Valeur boîte Temps :</translation>
    </message>
    <message>
        <source>Move Box move value:</source>
        <translation>Valeur boîte Coup :</translation>
    </message>
    <message>
        <source>Note:  The Time Box Time Value is used for Time, Star and            Number boxes.</source>
        <translation>Remarque : la valeur de la boîte Temps vaut pour les boîtes Temps, Étoile et Nombre.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>vortan::designer::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Fill Selection</source>
        <translation>Re&amp;mplir la sélection</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Aff&amp;ichage</translation>
    </message>
    <message>
        <source>&amp;Tool Bar</source>
        <translation>&amp;Barres d’outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>Regions</source>
        <translation>Régions</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Boîtes</translation>
    </message>
    <message>
        <source>&amp;Regions</source>
        <translation>&amp;Régions</translation>
    </message>
    <message>
        <source>Region: %1</source>
        <translation>Région : %1</translation>
    </message>
    <message>
        <source>&amp;Boxes</source>
        <translation>&amp;Boîtes</translation>
    </message>
    <message>
        <source>Box: %1</source>
        <translation>Boîte : %1</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Initialize</source>
        <translation>Initialiser</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>Test Board</source>
        <translation>Tester le plateau</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help File</source>
        <translation>&amp;Fichier d’aide</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Utiliser l’aide</translation>
    </message>
    <message>
        <source>&amp;About Vortan Designer...</source>
        <translation>À &amp;propos du concepteur Vortan...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Context Help</source>
        <translation>Aide contextuelle</translation>
    </message>
    <message>
        <source>Tools: %1, %2</source>
        <translation>Outils : %1, %2</translation>
    </message>
    <message>
        <source>Cell %1, %2: %3, %4, %5</source>
        <translation>Case %1, %2 : %3, %4, %5</translation>
    </message>
    <message>
        <source>Vortan Designer Help</source>
        <translation>Aide du concepteur Vortan</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
</context>
<context>
    <name>vortan::designer::CQuorvel1Doc</name>
    <message>
        <source>Vortan Designer</source>
        <translation>Concepteur Vortan</translation>
    </message>
    <message>
        <source>Board (*.dat)</source>
        <translation>Plateau (*.dat)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Impossible d’ouvrir le document.</translation>
    </message>
    <message>
        <source>Cannot open %1.
%2</source>
        <translation>Impossible d’ouvrir %1.
%2</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Format de fichier inattendu.</translation>
    </message>
    <message>
        <source>Cannot create %1.
Invalid filename.</source>
        <translation>Impossible de créer %1.
Nom de fichier invalide.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Impossible d’enregistrer le document.</translation>
    </message>
    <message>
        <source>Failed to save document.
%1</source>
        <translation>Impossible d’enregistrer le document.
%1</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
</context>
<context>
    <name>vortan::designer::CQuorvel1View</name>
    <message>
        <source>1 cell</source>
        <translation>1 case</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 cases</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Peindre</translation>
    </message>
    <message>
        <source>%1 of %2 was refused:
%3</source>
        <translation>%1 sur %2 a été refusée :
%3</translation>
    </message>
    <message>
        <source>%1 of %2 were refused:
%3</source>
        <translation>%1 sur %2 ont été refusées :
%3</translation>
    </message>
    <message>
        <source>%1 lost its box:
%2</source>
        <translation>%1 a perdu sa boîte :
%2</translation>
    </message>
    <message>
        <source>%1 lost their box:
%2</source>
        <translation>%1 ont perdu leur boîte :
%2</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Placer</translation>
    </message>
    <message>
        <source>Region:	%1
Box:	%2
Number:	%3</source>
        <translation>Région :	%1
Boîte :	%2
Nombre :	%3</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>Initialize</source>
        <translation>Initialiser</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
</context>
</TS>
