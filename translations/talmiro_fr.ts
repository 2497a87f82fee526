<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutSample</name>
    <message>
        <source>Talmiro Print Postcard Backs</source>
        <translation>Talmiro imprime les dos de cartes</translation>
    </message>
    <message>
        <source>&quot;Your own pictures, your own postcards&quot;</source>
        <translation>« Vos photos, vos cartes »</translation>
    </message>
</context>
<context>
    <name>AddressList</name>
    <message numerus="yes">
        <source>none of its %n contacts has an address</source>
        <translation>
            <numerusform>aucun de ses %n contacts n’a d’adresse</numerusform>
            <numerusform>aucun de ses %n contacts n’a d’adresse</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not text</source>
        <translation>ce n’est pas du texte</translation>
    </message>
    <message>
        <source>a line is longer than %1 characters</source>
        <translation>une ligne dépasse %1 caractères</translation>
    </message>
    <message>
        <source>it holds more than %1 addresses</source>
        <translation>elle contient plus de %1 adresses</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>un guillemet ouvert sur cette ligne n’est jamais fermé</translation>
    </message>
    <message>
        <source>it holds no addresses below its header row</source>
        <translation>elle ne contient aucune adresse sous sa ligne d’en-tête</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>PO Box</source>
        <translation>Boîte postale</translation>
    </message>
    <message>
        <source>Extended Address</source>
        <translation>Complément d’adresse</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État/Région</translation>
    </message>
    <message>
        <source>Postcode</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>a contact begins here before the last one ended</source>
        <translation>un contact commence ici avant la fin du précédent</translation>
    </message>
    <message>
        <source>this line is outside any contact</source>
        <translation>cette ligne est en dehors de tout contact</translation>
    </message>
    <message>
        <source>the contact that begins on this line never ends: the file is cut short</source>
        <translation>le contact qui commence sur cette ligne ne se termine jamais : le fichier est tronqué</translation>
    </message>
    <message>
        <source>it holds no contacts</source>
        <translation>il ne contient aucun contact</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>elle dépasse %1 Mo</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: %2 (line %3). Nothing was changed.</source>
        <translation>La liste d’adresses « %1 » ne peut pas être utilisée : %2 (ligne %3). Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: %2. Nothing was changed.</source>
        <translation>La liste d’adresses « %1 » ne peut pas être utilisée : %2. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: it is larger than 50 MB (%2 MB). Nothing was changed.</source>
        <translation>La liste d’adresses « %1 » ne peut pas être utilisée : elle dépasse 50 Mo (%2 Mo). Rien n’a été modifié.</translation>
    </message>
</context>
<context>
    <name>AlignmentTest</name>
    <message>
        <source>TOP</source>
        <translation>HAUT</translation>
    </message>
    <message>
        <source>FRONT</source>
        <translation>RECTO</translation>
    </message>
    <message>
        <source>TURNED</source>
        <translation>RETOURNÉ</translation>
    </message>
    <message>
        <source>Hold the sheet against a light, this side towards you.</source>
        <translation>Tenez la feuille devant une lumière, ce côté vers vous.</translation>
    </message>
    <message>
        <source>Set each adjustment to the number under its pointer.</source>
        <translation>Réglez chaque correction sur le nombre sous son repère.</translation>
    </message>
    <message>
        <source>A pointer that says TURNED: choose the other turn and test again.</source>
        <translation>Repère RETOURNÉ : changez de retournement, refaites le test.</translation>
    </message>
    <message>
        <source>%1: the number under the pointer</source>
        <translation>%1 : le nombre sous le repère</translation>
    </message>
    <message>
        <source>%1: the number beside the pointer</source>
        <translation>%1 : le nombre à côté du repère</translation>
    </message>
    <message>
        <source>turned over like a wall calendar: top and bottom change places, the left edge stays at the left</source>
        <translation>retournée comme un calendrier mural : le haut et le bas échangent leur place, le bord gauche reste à gauche</translation>
    </message>
    <message>
        <source>turned over like the page of a book: left and right change places, the top edge stays at the top</source>
        <translation>retournée comme la page d&apos;un livre : la gauche et la droite échangent leur place, le bord supérieur reste en haut</translation>
    </message>
    <message>
        <source>The test page of fronts is printed.</source>
        <translation>La page de test des recto est imprimée.</translation>
    </message>
    <message>
        <source> Print it first.</source>
        <translation> Imprimez-la d&apos;abord.</translation>
    </message>
    <message>
        <source>%1

Put the sheet back into the paper tray so that its blank side will be printed, %2. Print the test page of backs on it now?</source>
        <translation>%1

Remettez la feuille dans le bac à papier de sorte que sa face vierge soit imprimée, %2. Imprimer maintenant la page de test des dos ?</translation>
    </message>
</context>
<context>
    <name>AppError</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is not a file but a device or a pipe.</source>
        <translation>Ce n&apos;est pas un fichier mais un périphérique ou un tube.</translation>
    </message>
</context>
<context>
    <name>CardDocument</name>
    <message>
        <source>TITLE TEXT</source>
        <translation>TITRE</translation>
    </message>
    <message>
        <source>Descriptive Text</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>CreatedBy Text (Vertical Text)</source>
        <translation>Créé par (texte vertical)</translation>
    </message>
    <message>
        <source>PLACE

STAMP

HERE</source>
        <translation>TIMBRE

ICI</translation>
    </message>
    <message>
        <source>Lower Left Text</source>
        <translation>Texte du coin</translation>
    </message>
    <message>
        <source>PLEASE DO NOT WRITE BELOW THIS LINE</source>
        <translation>NE RIEN ÉCRIRE SOUS CETTE LIGNE</translation>
    </message>
    <message>
        <source>PostCard</source>
        <translation>Carte</translation>
    </message>
</context>
<context>
    <name>CardOutput</name>
    <message>
        <source>The picture could not be made for &quot;%1&quot; (%2), so nothing was saved.</source>
        <translation>L&apos;image pour « %1 » n&apos;a pas pu être faite (%2), rien n&apos;a donc été enregistré.</translation>
    </message>
    <message>
        <source>Nothing was printed; --yes prints anyway.</source>
        <translation>Rien n&apos;a été imprimé ; --yes imprime quand même.</translation>
    </message>
</context>
<context>
    <name>CardRender</name>
    <message>
        <source>The printer offers no %1 paper, which the layout &quot;%2&quot; is made for. Print on %3 paper instead?</source>
        <translation>L&apos;imprimante ne propose pas de papier %1, pour lequel la disposition &quot;%2&quot; est faite. Imprimer plutôt sur du papier %3 ?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 and %2 cannot be asked for together.</source>
        <translation>%1 et %2 ne peuvent pas être demandés ensemble.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 demande une valeur.</translation>
    </message>
    <message>
        <source>--copies takes a number from %1 to %2.</source>
        <translation>--copies prend un nombre de %1 à %2.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Option inconnue %1.</translation>
    </message>
    <message>
        <source>One design at a time: %1 and %2 were given.</source>
        <translation>Un modèle à la fois : %1 et %2 ont été indiqués.</translation>
    </message>
    <message>
        <source>No action: --export-pdf, --export-png or --print.</source>
        <translation>Aucune action : --export-pdf, --export-png ou --print.</translation>
    </message>
    <message>
        <source>--printer, --copies and --yes go with --print only.</source>
        <translation>--printer, --copies et --yes ne vont qu&apos;avec --print.</translation>
    </message>
    <message>
        <source>%1 needs --side %2.</source>
        <translation>%1 demande --side %2.</translation>
    </message>
    <message>
        <source>No design file is given.</source>
        <translation>Aucun fichier de modèle n&apos;est indiqué.</translation>
    </message>
    <message>
        <source>The output would replace the design %1.</source>
        <translation>La sortie remplacerait le modèle %1.</translation>
    </message>
    <message>
        <source>Nothing was done: %1</source>
        <translation>Rien n&apos;a été fait : %1</translation>
    </message>
    <message>
        <source>With any action, --addresses LIST (a CSV or vCard file) prints a card for each of its addresses in place of the design&apos;s address list.</source>
        <translation>Avec toute action, --addresses LISTE (un fichier CSV ou vCard) imprime une carte pour chacune de ses adresses à la place de la liste d’adresses du modèle.</translation>
    </message>
    <message>
        <source>--quality takes fine or as-shown.</source>
        <translation>--quality prend fine ou as-shown.</translation>
    </message>
    <message>
        <source>--for-print-shop goes with --export-pdf only.</source>
        <translation>--for-print-shop va avec --export-pdf seulement.</translation>
    </message>
    <message>
        <source>Usage: %1 (--export-pdf OUT.pdf [--for-print-shop] | --export-png OUT.png | --print) --side SIDE [--quality fine|as-shown] [--printer NAME] [--copies N] [--yes] DESIGN.postcard; --help tells more.</source>
        <translation>Usage : %1 (--export-pdf SORTIE.pdf [--for-print-shop] | --export-png SORTIE.png | --print) --side FACE [--quality fine|as-shown] [--printer NOM] [--copies N] [--yes] MODÈLE.postcard ; --help en dit plus.</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION...] DESIGN.postcard
Prints or exports a postcard design without a window; a design alone opens it in the window.

  --export-pdf OUT.pdf --side fronts|backs|both
      the pages as Print makes them without a printer, on the layout&apos;s paper
      (both: the fronts, then the backs placed for the design&apos;s sheet turn);
      --for-print-shop: one card a page at its real size, with a bleed of 1/8 inch
      and crop marks
  --export-png OUT.png --side front|back
      one card at sheet resolution (the back as Save Image BitMap saves it)
  --print --side fronts|backs|both [--printer NAME] [--copies N] [--yes]
      prints on the default printer or NAME; both prints the two sides in one go
      on a printer that can; --copies from %2 to %3 replaces the design&apos;s;
      --yes prints even when the paper cuts the cards
  --quality fine|as-shown
      with --export-pdf and --print: fine (the default) draws the pages at the
      printer&apos;s resolution, text as text; as-shown stretches the 200 dpi pages
  --help, --version

Exit status: 0 done, 1 an error (nothing is written), 2 bad usage.</source>
        <translation>Usage : %1 [OPTION...] MODÈLE.postcard
Imprime ou exporte un modèle de carte sans fenêtre ; un modèle seul l&apos;ouvre dans la fenêtre.

  --export-pdf SORTIE.pdf --side fronts|backs|both
      les pages comme Imprimer les fait sans imprimante, sur le papier de la disposition
      (both : les recto, puis les dos placés pour le retournement du modèle);
      --for-print-shop : une carte par page à sa taille réelle, avec un fond perdu
      de 1/8 de pouce et des traits de coupe
  --export-png SORTIE.png --side front|back
      une carte à la résolution de la feuille (le dos comme « Enregistrer l&apos;image en BMP »)
  --print --side fronts|backs|both [--printer NOM] [--copies N] [--yes]
      imprime sur l&apos;imprimante par défaut ou NOM ; both imprime les deux faces d&apos;un coup
      sur une imprimante qui le sait ; --copies de %2 à %3 remplace celui du modèle ;
      --yes imprime même quand le papier coupe les cartes
  --quality fine|as-shown
      avec --export-pdf et --print : fine (par défaut) dessine les pages à la
      résolution de l&apos;imprimante, le texte en texte ; as-shown étire les pages à 200 ppp
  --help, --version

Code de sortie : 0 fait, 1 une erreur (rien n&apos;est écrit), 2 mauvais usage.</translation>
    </message>
    <message>
        <source>There is no layout &quot;%1&quot;; --layout takes %2.</source>
        <translation>Il n&apos;y a pas de disposition &quot;%1&quot; ; --layout accepte %2.</translation>
    </message>
    <message>
        <source>With any action, --layout NAME puts the cards on another layout for one run: &quot;4 A6 on A4&quot; (or a6-on-a4), &quot;Single A6&quot; (single-a6) or one of the four of the window, named in any case. A layout whose paper the printer does not offer prints on the printer&apos;s paper with --yes only.</source>
        <translation>Avec toute action, --layout NOM place les cartes sur une autre disposition pour une exécution : &quot;4 A6 sur A4&quot; (ou a6-on-a4), &quot;Une A6&quot; (single-a6) ou l&apos;une des quatre de la fenêtre, en majuscules ou minuscules. Une disposition dont l&apos;imprimante ne propose pas le papier s&apos;imprime sur le papier de l&apos;imprimante avec --yes seulement.</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>the setting &quot;%1&quot; is missing</source>
        <translation>le réglage « %1 » manque</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>vrai ou faux</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>a number above %1 and up to %2</source>
        <translation>un nombre supérieur à %1 et jusqu&apos;à %2</translation>
    </message>
    <message>
        <source>a colour written #RRGGBB</source>
        <translation>une couleur écrite #RRGGBB</translation>
    </message>
    <message>
        <source>a group of settings</source>
        <translation>un groupe de réglages</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>une liste</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; must be %2</source>
        <translation>le réglage « %1 » doit être %2</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; must hold %2 styles</source>
        <translation>le réglage « %1 » doit contenir %2 styles</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; must be a group of settings</source>
        <translation>le réglage « %1 » doit être un groupe de réglages</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; names no file</source>
        <translation>le réglage « %1 » ne nomme aucun fichier</translation>
    </message>
    <message>
        <source>its version is not written as major.minor</source>
        <translation>sa version n&apos;est pas écrite majeure.mineure</translation>
    </message>
    <message>
        <source>its settings cannot be read (%1)</source>
        <translation>ses réglages ne peuvent pas être lus (%1)</translation>
    </message>
    <message>
        <source>its version %1 is unknown</source>
        <translation>sa version %1 est inconnue</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a postcard design of Talmiro Postcard Print, so it cannot be opened as one.</source>
        <translation>Le fichier « %1 » n&apos;est pas un modèle de carte de Talmiro Postcard Print et ne peut donc pas être ouvert comme tel.</translation>
    </message>
    <message>
        <source>The design could not be saved: %1.</source>
        <translation>Le modèle n&apos;a pas pu être enregistré : %1.</translation>
    </message>
    <message>
        <source>The design &quot;%1&quot; cannot be opened: %2. The file is damaged or cut short; nothing was changed.</source>
        <translation>Le modèle « %1 » ne peut pas être ouvert : %2. Le fichier est endommagé ou tronqué ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The design &quot;%1&quot; was saved in design format %2 by a newer version of Talmiro Postcard Print; this version reads design format %3. Nothing was changed.</source>
        <translation>Le modèle « %1 » a été enregistré au format %2 par une version plus récente de Talmiro Postcard Print ; cette version lit le format %3. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a postcard design: %2 MB.</source>
        <translation>Le fichier « %1 » est trop gros pour être un modèle de carte : %2 Mo.</translation>
    </message>
    <message>
        <source>The design &quot;%1&quot; cannot be opened: its picture for %2 cannot be used. %3 Nothing was changed.</source>
        <translation>Le modèle « %1 » ne peut pas être ouvert : son image pour %2 est inutilisable. %3 Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; holds more than %2 photos</source>
        <translation>le réglage « %1 » contient plus de %2 photos</translation>
    </message>
    <message>
        <source>The design could not be saved: its pictures take %1 MB, more than the %2 MB a design holds. Choose fewer or smaller photos.</source>
        <translation>Le modèle n’a pas pu être enregistré : ses images occupent %1 Mo, plus que les %2 Mo qu’un modèle peut contenir. Choisissez moins de photos ou des photos plus petites.</translation>
    </message>
    <message>
        <source>its layout &quot;%1&quot; is wrong: %2</source>
        <translation>sa disposition &quot;%1&quot; est erronée : %2</translation>
    </message>
</context>
<context>
    <name>DesignPictures</name>
    <message>
        <source>the lower left corner</source>
        <translation>le coin inférieur gauche</translation>
    </message>
    <message>
        <source>the postcard front</source>
        <translation>le recto de la carte postale</translation>
    </message>
</context>
<context>
    <name>JpegCodec</name>
    <message>
        <source>JPEG error #%1</source>
        <translation>Erreur JPEG n° %1</translation>
    </message>
    <message>
        <source>The JPEG file &quot;%1&quot; is not read: decoding its %2 x %3 pixels takes too long (it was stopped in scan %4).</source>
        <translation>Le fichier JPEG « %1 » n&apos;est pas lu : décoder ses %2 x %3 pixels prend trop de temps (arrêté à la passe %4).</translation>
    </message>
</context>
<context>
    <name>PagePrint</name>
    <message>
        <source>cards</source>
        <comment>the cut part of the ...</comment>
        <translation>des cartes</translation>
    </message>
    <message>
        <source>left card</source>
        <comment>the cut part of the ...</comment>
        <translation>de la carte de gauche</translation>
    </message>
    <message>
        <source>right card</source>
        <comment>the cut part of the ...</comment>
        <translation>de la carte de droite</translation>
    </message>
    <message>
        <source>upper card</source>
        <comment>the cut part of the ...</comment>
        <translation>de la carte du haut</translation>
    </message>
    <message>
        <source>lower card</source>
        <comment>the cut part of the ...</comment>
        <translation>de la carte du bas</translation>
    </message>
    <message>
        <source>left cards</source>
        <comment>the cut part of the ...</comment>
        <translation>des cartes de gauche</translation>
    </message>
    <message>
        <source>upper cards</source>
        <comment>the cut part of the ...</comment>
        <translation>des cartes du haut</translation>
    </message>
    <message>
        <source>right cards</source>
        <comment>the cut part of the ...</comment>
        <translation>des cartes de droite</translation>
    </message>
    <message>
        <source>lower cards</source>
        <comment>the cut part of the ...</comment>
        <translation>des cartes du bas</translation>
    </message>
    <message>
        <source>card</source>
        <comment>the cut part of the ...</comment>
        <translation>de la carte</translation>
    </message>
    <message>
        <source>4 x 6 in</source>
        <translation>4 x 6 po</translation>
    </message>
    <message>
        <source>the left %1 mm of the %2</source>
        <translation>les %1 mm de gauche %2</translation>
    </message>
    <message>
        <source>the top %1 mm of the %2</source>
        <translation>les %1 mm du haut %2</translation>
    </message>
    <message>
        <source>the right %1 mm of the %2</source>
        <translation>les %1 mm de droite %2</translation>
    </message>
    <message>
        <source>the bottom %1 mm of the %2</source>
        <translation>les %1 mm du bas %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source> are cut</source>
        <translation> sont coupés</translation>
    </message>
    <message>
        <source> is cut</source>
        <translation> sont coupés</translation>
    </message>
    <message>
        <source>On this printer&apos;s %1 paper %2 by the margins it cannot print on. Print anyway?</source>
        <translation>Sur le papier %1 de cette imprimante, %2 par les marges où elle ne peut pas imprimer. Imprimer quand même ?</translation>
    </message>
    <message>
        <source>This layout needs %1 paper; on %2 %3. Print anyway?</source>
        <translation>Cette disposition demande du papier %1 ; sur du %2, %3. Imprimer quand même ?</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Reading the picture &quot;%1&quot; was cancelled.</source>
        <translation>La lecture de l&apos;image « %1 » a été annulée.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large: its %2 x %3 pixels need %4 MB to read, and one picture may use at most %5 MB.</source>
        <translation>L&apos;image « %1 » est trop grande : ses %2 x %3 pixels demandent %4 Mo pour être lus, et une image peut utiliser au plus %5 Mo.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large: its %2 x %3 pixels take too long to decode.</source>
        <translation>L&apos;image « %1 » est trop grande : décoder ses %2 x %3 pixels prend trop de temps.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; ends before its picture does; it may have been cut short while copying.</source>
        <translation>Le fichier « %1 » se termine avant son image ; il a peut-être été tronqué lors d’une copie.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged and cannot be read.</source>
        <translation>L’image « %1 » est endommagée et ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged in the middle: part of it cannot be decoded.</source>
        <translation>L’image « %1 » est endommagée en son milieu : une partie ne peut pas être décodée.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is a kind of %2 file this program cannot read (%3).</source>
        <translation>L’image « %1 » est un type de fichier %2 que ce programme ne sait pas lire (%3).</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged: its file holds far more data than its %2 can need.</source>
        <translation>L’image « %1 » est endommagée : son fichier contient bien plus de données que ses %2 ne peuvent en demander.</translation>
    </message>
    <message>
        <source>Not enough memory to read the %1 x %2 picture &quot;%3&quot;.</source>
        <translation>Mémoire insuffisante pour lire l’image « %3 » de %1 x %2.</translation>
    </message>
    <message>
        <source>The picture file &quot;%1&quot; is too large: it has %2 MB, and a picture file may have at most %3 MB.</source>
        <translation>Le fichier image « %1 » est trop volumineux : il fait %2 Mo, et un fichier image peut faire au plus %3 Mo.</translation>
    </message>
    <message>
        <source>Not enough memory to read the picture &quot;%1&quot;.</source>
        <translation>Mémoire insuffisante pour lire l’image « %1 ».</translation>
    </message>
    <message>
        <source>The WebP decoder cannot be used.</source>
        <translation>Le décodeur WebP ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read to its end: %2</source>
        <translation>Le fichier « %1 » n’a pas pu être lu jusqu’au bout : %2</translation>
    </message>
    <message>
        <source>%1 bits a sample</source>
        <translation>%1 bits par échantillon</translation>
    </message>
    <message>
        <source>a lossless or hierarchical one</source>
        <translation>sans perte ou hiérarchique</translation>
    </message>
    <message>
        <source>its colours are stored in an unknown way</source>
        <translation>ses couleurs sont enregistrées d’une façon inconnue</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. The picture could not be encoded as JPEG.</source>
        <translation>Impossible de créer le fichier « %1 ». L’image n’a pas pu être encodée en JPEG.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>The picture &quot;%1&quot; has a width or height of 0 and cannot be used.</source>
        <translation>L&apos;image « %1 » a une largeur ou une hauteur de 0 et ne peut pas être utilisée.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Le fichier « %1 » est vide.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture that can be read. Pictures can be %2.</source>
        <translation>Le fichier « %1 » n&apos;est pas une image lisible. Les images peuvent être %2.</translation>
    </message>
    <message>
        <source>All pictures (%1)|%1</source>
        <translation>Toutes les images (%1)|%1</translation>
    </message>
    <message>
        <source>All files (*)|*</source>
        <translation>Tous les fichiers (*)|*</translation>
    </message>
</context>
<context>
    <name>PrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Page of fronts</source>
        <translation>Page des recto</translation>
    </message>
    <message>
        <source>Page of backs</source>
        <translation>Page des verso</translation>
    </message>
    <message>
        <source>Backs seen through the sheet, over their fronts</source>
        <translation>Verso vus à travers la feuille, sur leurs recto</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>&amp;Previous Sheet</source>
        <translation>Feuille &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next Sheet</source>
        <translation>Feuille &amp;suivante</translation>
    </message>
    <message>
        <source>Zoom to &amp;Fit</source>
        <translation>&amp;Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>Zoom to 100 %</source>
        <translation>Zoom à 100 %</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Paper %1 x %2 mm at %3 dpi; the shaded edge is what the printer cannot reach. Print Quality: %4. Copies: %5.</source>
        <translation>Papier %1 x %2 mm à %3 ppp ; la bordure ombrée est ce que l&apos;imprimante ne peut atteindre. Qualité d&apos;impression : %4. Exemplaires : %5.</translation>
    </message>
    <message>
        <source>As shown</source>
        <translation>Tel quel</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Only the backs print: the card has no front picture yet.</source>
        <translation>Seuls les verso s&apos;impriment : la carte n&apos;a pas encore d&apos;image de recto.</translation>
    </message>
    <message>
        <source>Both sides print in one go, the printer turning the sheet over its %1.</source>
        <translation>Les deux faces s&apos;impriment en une fois, l&apos;imprimante retournant la feuille sur son %1.</translation>
    </message>
    <message>
        <source>short edge</source>
        <translation>petit côté</translation>
    </message>
    <message>
        <source>long edge</source>
        <translation>grand côté</translation>
    </message>
    <message>
        <source>The fronts print first; then the sheets go back in turned over %1, and the backs print on them.</source>
        <translation>Les recto s&apos;impriment d&apos;abord ; puis les feuilles sont remises retournées %1, et les verso s&apos;impriment dessus.</translation>
    </message>
    <message>
        <source>like a wall calendar</source>
        <translation>comme un calendrier mural</translation>
    </message>
    <message>
        <source>like the page of a book</source>
        <translation>comme la page d&apos;un livre</translation>
    </message>
    <message>
        <source>The paper or the printer&apos;s margins cut the cards; Print asks first.</source>
        <translation>Le papier ou les marges de l&apos;imprimante coupent les cartes ; Imprimer demande d&apos;abord.</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Feuille %1 sur %2</translation>
    </message>
</context>
<context>
    <name>PrinterMetrics</name>
    <message>
        <source>The selected printer reports a resolution of %1 x %2 dots per inch and cannot be used. Choose another printer with Printer Setup.</source>
        <translation>L&apos;imprimante choisie annonce une résolution de %1 x %2 points par pouce et ne peut pas être utilisée. Choisissez une autre imprimante avec « Imprimante ».</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Other Paper</source>
        <translation>Autre papier</translation>
    </message>
    <message>
        <source>New layout of your own</source>
        <translation>Nouvelle disposition personnelle</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Disposition :</translation>
    </message>
    <message>
        <source>Your own layout, as your stock has it</source>
        <translation>Votre disposition, comme sur votre papier</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Card &amp;width:</source>
        <translation>&amp;Largeur de carte :</translation>
    </message>
    <message>
        <source>Card &amp;height:</source>
        <translation>&amp;Hauteur de carte :</translation>
    </message>
    <message>
        <source>&amp;Rows:</source>
        <translation>&amp;Rangées :</translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation>&amp;Colonnes :</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier :</translation>
    </message>
    <message>
        <source>Paper w&amp;idth:</source>
        <translation>La&amp;rgeur du papier :</translation>
    </message>
    <message>
        <source>Paper h&amp;eight:</source>
        <translation>Ha&amp;uteur du papier :</translation>
    </message>
    <message>
        <source>Gap &amp;across:</source>
        <translation>&amp;Écart horizontal :</translation>
    </message>
    <message>
        <source>Gap &amp;down:</source>
        <translation>É&amp;cart vertical :</translation>
    </message>
    <message>
        <source>&amp;Left margin:</source>
        <translation>&amp;Marge gauche :</translation>
    </message>
    <message>
        <source>&amp;Top margin:</source>
        <translation>Marge &amp;haute :</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Picture preview</source>
        <translation>Aperçu de l&apos;image</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Address List</source>
        <translation>Liste d’adresses</translation>
    </message>
    <message>
        <source>Which columns of &quot;%1&quot; make each line of the address:</source>
        <translation>Colonnes de « %1 » qui forment chaque ligne de l’adresse :</translation>
    </message>
    <message>
        <source>Line &amp;%1:</source>
        <translation>Ligne &amp;%1 :</translation>
    </message>
    <message>
        <source>Line %1, part %2</source>
        <translation>Ligne %1, partie %2</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(rien)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>&amp;Start at card:</source>
        <translation>&amp;Commencer à la carte :</translation>
    </message>
    <message>
        <source>(no record has an address in these columns)</source>
        <translation>(aucune entrée n’a d’adresse dans ces colonnes)</translation>
    </message>
</context>
<context>
    <name>QtPrinterDevice</name>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed, so nothing was printed. Choose a printer with Printer Setup.</source>
        <translation>L&apos;imprimante « %1 » n&apos;est plus installée, rien n&apos;a donc été imprimé. Choisissez une imprimante avec « Imprimante ».</translation>
    </message>
    <message>
        <source>The printing service cannot be reached, so nothing was printed on &quot;%1&quot;. Start it again, or choose another printer with Printer Setup.</source>
        <translation>Le service d&apos;impression est injoignable, rien n&apos;a donc été imprimé sur « %1 ». Relancez-le, ou choisissez une autre imprimante avec « Imprimante ».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed. Let it accept jobs again, or choose another printer with Printer Setup.</source>
        <translation>L&apos;imprimante « %1 » n&apos;accepte pas de travaux, rien n&apos;a donc été imprimé. Faites-lui de nouveau accepter les travaux, ou choisissez une autre imprimante avec « Imprimante ».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the page (%2), so nothing was printed.</source>
        <translation>L&apos;imprimante « %1 » n&apos;a pas pris la page (%2), rien n&apos;a donc été imprimé.</translation>
    </message>
    <message>
        <source>No file is named for the PDF output, so nothing was printed. Name one with Printer Setup.</source>
        <translation>Aucun fichier n&apos;est indiqué pour la sortie PDF, rien n&apos;a donc été imprimé. Indiquez-en un avec « Imprimante ».</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written: its folder does not exist.</source>
        <translation>Le fichier PDF « %1 » n&apos;a pas pu être écrit : son dossier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be started.</source>
        <translation>Le fichier PDF « %1 » n&apos;a pas pu être commencé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the page.</source>
        <translation>L&apos;imprimante « %1 » n&apos;a pas pu commencer la page.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the next page.</source>
        <translation>L&apos;imprimante « %1 » n&apos;a pas pu commencer la page suivante.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer &quot;%1&quot;.</source>
        <translation>La page n&apos;a pas pu être envoyée à l&apos;imprimante « %1 ».</translation>
    </message>
    <message>
        <source>No printer is installed, so the page was saved as the PDF file &quot;%1&quot;.</source>
        <translation>Aucune imprimante n&apos;est installée, la page a donc été enregistrée dans le fichier PDF « %1 ».</translation>
    </message>
    <message>
        <source>The page was saved as the PDF file &quot;%1&quot;.</source>
        <translation>La page a été enregistrée dans le fichier PDF « %1 ».</translation>
    </message>
    <message>
        <source> Print %1 copies of it.</source>
        <translation> Imprimez-en %1 exemplaires.</translation>
    </message>
    <message>
        <source>No printer is installed and the page could not be saved, so nothing was printed. </source>
        <translation>Aucune imprimante n&apos;est installée et la page n&apos;a pas pu être enregistrée, rien n&apos;a donc été imprimé. </translation>
    </message>
    <message>
        <source>The page could not be saved as the PDF file, so nothing was printed. </source>
        <translation>La page n&apos;a pas pu être enregistrée en fichier PDF, rien n&apos;a donc été imprimé. </translation>
    </message>
    <message>
        <source>The PDF output for &quot;%1&quot; came out incomplete.</source>
        <translation>La sortie PDF pour « %1 » est incomplète.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; held %2 of its %3 bytes when read back, so it was removed.</source>
        <translation>Relu, le fichier PDF « %1 » contenait %2 de ses %3 octets ; il a donc été supprimé.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed.</source>
        <translation>Aucune imprimante n&apos;est installée, rien n&apos;a donc été imprimé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not installed, so nothing was printed.</source>
        <translation>L&apos;imprimante « %1 » n&apos;est pas installée, rien n&apos;a donc été imprimé.</translation>
    </message>
    <message>
        <source>The PDF file could not be made, so nothing was saved. </source>
        <translation>Le fichier PDF n&apos;a pas pu être créé, rien n&apos;a donc été enregistré. </translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <source>A card of %1 x %2 mm cannot be drawn: cards are from 5 x 3.5 inches (127 x 88.9 mm) to A5 (210 x 148 mm), the width being the long side.</source>
        <translation>Une carte de %1 x %2 mm ne peut pas être dessinée : les cartes vont de 5 x 3,5 pouces (127 x 88,9 mm) à A5 (210 x 148 mm), la largeur étant le grand côté.</translation>
    </message>
    <message>
        <source>Portrait - Portrait</source>
        <translation>Portrait - Portrait</translation>
    </message>
    <message>
        <source>Landscape-Landscape</source>
        <translation>Paysage - Paysage</translation>
    </message>
    <message>
        <source>Single on 4x6 paper</source>
        <translation>Une sur papier 4x6</translation>
    </message>
    <message>
        <source>4 on Sheet</source>
        <translation>4 par feuille</translation>
    </message>
    <message>
        <source>4 A6 on A4</source>
        <translation>4 A6 sur A4</translation>
    </message>
    <message>
        <source>Single A6</source>
        <translation>Une A6</translation>
    </message>
    <message>
        <source>A layout of your own needs a name.</source>
        <translation>Une disposition personnelle a besoin d’un nom.</translation>
    </message>
    <message>
        <source>A layout has from 1 to %1 rows and columns.</source>
        <translation>Une disposition a de 1 à %1 rangées et colonnes.</translation>
    </message>
    <message>
        <source>The cards, their gaps and the margins (%1 x %2 mm) do not fit on the paper of %3 x %4 mm.</source>
        <translation>Les cartes, leurs écarts et les marges (%1 x %2 mm) ne tiennent pas sur le papier de %3 x %4 mm.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Talmiro Postcard Print</source>
        <translation>Talmiro Postcard Print</translation>
    </message>
    <message>
        <source>Postcard pages</source>
        <translation>Pages de cartes</translation>
    </message>
    <message>
        <source>Postcard Back</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Displays how the card will be printed.</source>
        <translation>Montre comment la carte sera imprimée.</translation>
    </message>
    <message>
        <source>Each card is displayed while printing.</source>
        <translation>Chaque carte est affichée pendant l&apos;impression.</translation>
    </message>
    <message>
        <source>Postcard Back preview</source>
        <translation>Aperçu du dos</translation>
    </message>
    <message>
        <source>Text/Image</source>
        <translation>Texte/Image</translation>
    </message>
    <message>
        <source>Enter your text, select an image if you want to use one, and decide what areas you want to print.</source>
        <translation>Saisissez votre texte, choisissez une image si vous en voulez une, et décidez quelles zones imprimer.</translation>
    </message>
    <message>
        <source>Title Text</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Descriptive Text</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Vertical Text</source>
        <translation>Texte vertical</translation>
    </message>
    <message>
        <source>Lower Left Text</source>
        <translation>Texte du coin</translation>
    </message>
    <message>
        <source>Stamp Text</source>
        <translation>Texte du timbre</translation>
    </message>
    <message>
        <source>Postal Bar Code Area Text</source>
        <translation>Texte de la zone code</translation>
    </message>
    <message>
        <source>Image (right click menu)</source>
        <translation>Image (menu : clic droit)</translation>
    </message>
    <message>
        <source>PostCard Text</source>
        <translation>Texte « Carte »</translation>
    </message>
    <message>
        <source>Name and Address Text:</source>
        <translation>Nom et adresse :</translation>
    </message>
    <message>
        <source>Image will be used to print in lower left corner of card back.  Right click for popup menu.</source>
        <translation>L&apos;image sera imprimée dans le coin inférieur gauche du dos de la carte. Clic droit pour le menu.</translation>
    </message>
    <message>
        <source>Title of postcard, by default will print bold.</source>
        <translation>Titre de la carte, imprimé en gras par défaut.</translation>
    </message>
    <message>
        <source>TITLE TEXT</source>
        <translation>TITRE</translation>
    </message>
    <message>
        <source>A short description for your postcard.</source>
        <translation>Une courte description pour votre carte.</translation>
    </message>
    <message>
        <source>Will print vertical in the center of the postcard to seperate the letter section from the address section.  May use this text, solid lines or nothing.</source>
        <translation>S&apos;imprime verticalement au milieu de la carte pour séparer la partie correspondance de la partie adresse. Ce texte, un trait plein ou rien.</translation>
    </message>
    <message>
        <source>CreatedBy Text (Vertical Text)</source>
        <translation>Créé par (texte vertical)</translation>
    </message>
    <message>
        <source>This text will print in the area where the stamp is placed when mailing.  If you do not want any text there, clear the current text.</source>
        <translation>Ce texte s&apos;imprime à l&apos;endroit où l&apos;on colle le timbre. Si vous ne voulez pas de texte à cet endroit, effacez-le.</translation>
    </message>
    <message>
        <source>PLACE

STAMP

HERE</source>
        <translation>TIMBRE

ICI</translation>
    </message>
    <message>
        <source>Selects how the address area will be printed, nothing or lines or the text that is entered int eh Name and Address Text.</source>
        <translation>Choisit comment la zone d&apos;adresse est imprimée : rien, des lignes ou le texte saisi dans « Nom et adresse ».</translation>
    </message>
    <message>
        <source>Address Lines</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>No lines</source>
        <translation>Rien</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Selects what is used, if anythng, between the letter area and the address area of the postcard.</source>
        <translation>Choisit ce qui sépare, le cas échéant, la partie correspondance de la partie adresse de la carte.</translation>
    </message>
    <message>
        <source>Address Seperator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Thin line</source>
        <translation>Trait fin</translation>
    </message>
    <message>
        <source>Heavy line</source>
        <translation>Trait épais</translation>
    </message>
    <message>
        <source>Selects what kind of a border, if any will be drawn around the text in the postage stamp area.</source>
        <translation>Choisit le cadre éventuel tracé autour du texte dans la zone du timbre.</translation>
    </message>
    <message>
        <source>Stamp Border</source>
        <translation>Cadre du timbre</translation>
    </message>
    <message>
        <source>Thin box</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Thick box</source>
        <translation>Épais</translation>
    </message>
    <message>
        <source>Stamp </source>
        <translation>Dentelé </translation>
    </message>
    <message>
        <source>If &quot;yes&quot; will print the box on the card which shows were the post office requires you to leave blank for the post office bar code.</source>
        <translation>Si « Oui », imprime sur la carte la zone que la Poste demande de laisser vierge pour son code-barres.</translation>
    </message>
    <message>
        <source>Postal Bar Code Box</source>
        <translation>Zone code-barres</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>If selected and text entered will print in the lower left corner instead of an image.</source>
        <translation>Si choisi et saisi, ce texte s&apos;imprime en bas à gauche au lieu d&apos;une image.</translation>
    </message>
    <message>
        <source>Selects what is printed in the lower left corner if anything.</source>
        <translation>Choisit ce qui est imprimé en bas à gauche, le cas échéant.</translation>
    </message>
    <message>
        <source>Lower Left Corner</source>
        <translation>Coin bas gauche</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Text to identify the post office bar code area as a do not write area.</source>
        <translation>Texte qui signale la zone du code-barres de la Poste comme zone où ne pas écrire.</translation>
    </message>
    <message>
        <source>PLEASE DO NOT WRITE BELOW THIS LINE</source>
        <translation>NE RIEN ÉCRIRE SOUS CETTE LIGNE</translation>
    </message>
    <message>
        <source>This text will print just to the left of the stamp area.</source>
        <translation>Ce texte s&apos;imprime juste à gauche de la zone du timbre.</translation>
    </message>
    <message>
        <source>PostCard</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Selects if the PostCard Text will print or not.</source>
        <translation>Choisit si le texte « Carte » est imprimé ou non.</translation>
    </message>
    <message>
        <source>Enter a name and address in this area if you want to pre-address the postcards.</source>
        <translation>Saisissez ici un nom et une adresse si vous voulez pré-adresser les cartes.</translation>
    </message>
    <message>
        <source>PostCard Front</source>
        <translation>Recto</translation>
    </message>
    <message>
        <source>Enter Text for PostCard Front:</source>
        <translation>Texte du recto :</translation>
    </message>
    <message>
        <source>PostCard Front Image (right click for menu)</source>
        <translation>Image du recto (menu : clic droit)</translation>
    </message>
    <message>
        <source>Image Size (% of Orginal)</source>
        <translation>Taille (% de l&apos;original)</translation>
    </message>
    <message>
        <source>ImageOffset (%)</source>
        <translation>Décalage (%)</translation>
    </message>
    <message>
        <source>Horiziontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Front Text Picker</source>
        <translation>Texte du recto</translation>
    </message>
    <message>
        <source>Current Position/Color</source>
        <translation>Position/couleur actuelle</translation>
    </message>
    <message>
        <source>Pick New Position with Cursor</source>
        <translation>Cliquer la position</translation>
    </message>
    <message>
        <source>Pick New Font Color with Cursor</source>
        <translation>Cliquer la couleur</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About sample</source>
        <translation>Carte d&apos;exemple</translation>
    </message>
    <message>
        <source>Click to start designing your postcard backs.</source>
        <translation>Cliquez pour commencer à créer les dos de vos cartes.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>End program.</source>
        <translation>Quitter le programme.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Talmiro Postcard Print

Design the back of your postcards here: title, description, stamp box, address area and a picture or text in the lower left corner.

Put a photo on the front, scale it, shift it and letter it by clicking on the preview.

Print the fronts, turn the sheet over, and print the backs on the reverse.

Press Continue to begin.</source>
        <translation>Talmiro Postcard Print

Créez ici le dos de vos cartes : titre, description, timbre, adresse et une image ou un texte en bas à gauche.

Mettez une photo au recto, agrandissez-la, décalez-la et légendez-la d&apos;un clic sur l&apos;aperçu.

Imprimez les recto, retournez la feuille, imprimez les dos.

« Continuer » pour commencer.</translation>
    </message>
    <message>
        <source>About Talmiro Postcard Print</source>
        <translation>À propos de Talmiro Postcard Print</translation>
    </message>
    <message>
        <source>Portrait - Portrait</source>
        <translation>Portrait - Portrait</translation>
    </message>
    <message>
        <source>Landscape-Landscape</source>
        <translation>Paysage - Paysage</translation>
    </message>
    <message>
        <source>Single on 4x6 paper</source>
        <translation>Une sur papier 4x6</translation>
    </message>
    <message>
        <source>4 on Sheet</source>
        <translation>4 par feuille</translation>
    </message>
    <message>
        <source>Sample corner picture</source>
        <translation>Image de coin d&apos;exemple</translation>
    </message>
    <message>
        <source>Print and Text Setup</source>
        <translation>Impression et texte</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Select printer, and paper size.</source>
        <translation>Choisir l&apos;imprimante et le format du papier.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Will print the page of postcard backs to selected printer.</source>
        <translation>Imprime la page des dos de cartes sur l&apos;imprimante choisie.</translation>
    </message>
    <message>
        <source>The number of copies of each page printed.</source>
        <translation>Le nombre d&apos;exemplaires imprimés de chaque page.</translation>
    </message>
    <message>
        <source>Number of Copies</source>
        <translation>Exemplaires</translation>
    </message>
    <message>
        <source>If the backs of the postcards don&apos;t line up, this moves the back of the postcard to the right if a positive number, to the left if negative; 25 is an 1/8 in.</source>
        <translation>Si les dos des cartes ne tombent pas juste, ceci décale le dos vers la droite (nombre positif) ou vers la gauche (négatif) ; 25 vaut 1/8 de pouce (3 mm).</translation>
    </message>
    <message>
        <source>Print Image Adj</source>
        <translation>Décalage horiz.</translation>
    </message>
    <message>
        <source>If the backs of the postcards don&apos;t line up, this moves the back of the postcard down if a positive number, up if negative; 25 is an 1/8 in.</source>
        <translation>Si les dos des cartes ne tombent pas juste, ceci décale le dos vers le bas (nombre positif) ou vers le haut (négatif) ; 25 vaut 1/8 de pouce (3 mm).</translation>
    </message>
    <message>
        <source>Print Adj Down</source>
        <translation>Décalage vertical</translation>
    </message>
    <message>
        <source>The number of copies of each page printed, for example Old Maid is should be 2 so that pairs of cards will be created.</source>
        <translation>Le nombre d&apos;exemplaires de chaque page ; pour un jeu du pouilleux par exemple 2, afin d&apos;obtenir des paires de cartes.</translation>
    </message>
    <message>
        <source>Selects how the postcards are printed so the backs and fronts line up.  Use the &quot;Velloro&quot; cd default paper orientation to print the postcard fronts for best results.  Single in landscape prints one postcard back on the back of a 4x6 print.  And 4 on Sheet will print 4 4.25X5.5 inch postcard backs on one sheet.</source>
        <translation>Choisit comment les cartes sont imprimées pour que dos et recto coïncident. Pour de meilleurs résultats, imprimez les recto dans l&apos;orientation par défaut du CD « Velloro ». « Une sur papier 4x6 » imprime un dos au verso d&apos;un tirage 4x6. « 4 par feuille » imprime 4 dos de 4,25 x 5,5 pouces sur une feuille.</translation>
    </message>
    <message>
        <source>Post Card Back Layout</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>Selects how you turn the printed sheet of fronts over before the backs are printed on it: Book, like the page of a book (left and right change places, the top stays at the top), or Calendar, like a wall calendar (top and bottom change places).  Either way each back prints head to head behind its front.</source>
        <translation>Choisit comment vous retournez la feuille des recto avant d&apos;imprimer les dos : Livre, comme une page de livre (gauche et droite s&apos;échangent, le haut reste en haut), ou Almanach, comme un calendrier mural (haut et bas s&apos;échangent). Dans les deux cas chaque dos s&apos;imprime dans le bon sens derrière son recto.</translation>
    </message>
    <message>
        <source>Sheet Turn</source>
        <translation>Retournement</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Almanach</translation>
    </message>
    <message>
        <source>Ends Program</source>
        <translation>Quitte le programme</translation>
    </message>
    <message>
        <source>Shows how your postcard backs will print on the paper.</source>
        <translation>Montre comment les dos de vos cartes seront imprimés sur le papier.</translation>
    </message>
    <message>
        <source>Layout picture</source>
        <translation>Image de la disposition</translation>
    </message>
    <message>
        <source>Text Setup</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Use to change the font name, size an color for each area of the postcard back.</source>
        <translation>Permet de changer la police, la taille et la couleur de chaque zone du dos de la carte.</translation>
    </message>
    <message>
        <source>Check the areas you want to change.</source>
        <translation>Cochez les zones à modifier.</translation>
    </message>
    <message>
        <source>Select Text Areas</source>
        <translation>Zones</translation>
    </message>
    <message>
        <source>Stamp Border/Text</source>
        <translation>Cadre/texte timbre</translation>
    </message>
    <message>
        <source>Address Lines/Text</source>
        <translation>Lignes/texte adresse</translation>
    </message>
    <message>
        <source>Postal Bar Code</source>
        <translation>Code-barres</translation>
    </message>
    <message>
        <source>UnSelect All</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Display font dialog window so you can select font, style and size.</source>
        <translation>Ouvre la fenêtre des polices pour choisir la police, le style et la taille.</translation>
    </message>
    <message>
        <source>Display color dialog window so you can color to print the text in or to draw the lines.</source>
        <translation>Ouvre la fenêtre des couleurs pour choisir la couleur du texte ou des traits.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>If &quot;Lines&quot; is selected will print 5 lines in the address area of the postcard to help in addressing.  Otherwise no lines will print.</source>
        <translation>Avec « Lignes », imprime 5 lignes dans la zone d&apos;adresse pour aider à écrire l&apos;adresse. Sinon aucune ligne n&apos;est imprimée.</translation>
    </message>
    <message>
        <source>Open Design...</source>
        <translation>Ouvrir un modèle...</translation>
    </message>
    <message>
        <source>Select a design file saved before, to go on with its card: the texts, fonts, colors, pictures and print settings.</source>
        <translation>Choisissez un modèle enregistré auparavant pour reprendre sa carte : textes, polices, couleurs, images et réglages d&apos;impression.</translation>
    </message>
    <message>
        <source>Save Design</source>
        <translation>Enregistrer le modèle</translation>
    </message>
    <message>
        <source>Save the design of the card, pictures included, in its design file so that nothing is lost when the program ends.</source>
        <translation>Enregistre le modèle de la carte, images comprises, dans son fichier, pour que rien ne soit perdu en quittant le programme.</translation>
    </message>
    <message>
        <source>Save Design As...</source>
        <translation>Enregistrer le modèle sous...</translation>
    </message>
    <message>
        <source>Select a file to save the design of the card in, pictures included.</source>
        <translation>Choisissez un fichier où enregistrer le modèle de la carte, images comprises.</translation>
    </message>
    <message>
        <source>Save Image BitMap...</source>
        <translation>Enregistrer l&apos;image en BMP...</translation>
    </message>
    <message>
        <source>Select a file to save the card back image as a bitmap.</source>
        <translation>Choisissez un fichier où enregistrer le dos de la carte en bitmap.</translation>
    </message>
    <message>
        <source>Save Image jpg...</source>
        <translation>Enregistrer l&apos;image en JPG...</translation>
    </message>
    <message>
        <source>Select a file to save the card back image as a jpg.</source>
        <translation>Choisissez un fichier où enregistrer le dos de la carte en JPG.</translation>
    </message>
    <message>
        <source>Print Both Sides</source>
        <translation>Imprimer recto verso</translation>
    </message>
    <message>
        <source>Alignment Test...</source>
        <translation>Test d&apos;alignement...</translation>
    </message>
    <message>
        <source>Prints a test page of fronts with fine scales and then, after you turn the sheet over as the Sheet Turn says, a test page of backs with pointers: the number under each pointer is the value for Print Image Adj or Print Adj Down.</source>
        <translation>Imprime une page de test des recto avec des échelles fines puis, après avoir retourné la feuille comme l&apos;indique « Retournement », une page de test des dos avec des repères : le nombre sous chaque repère est la valeur du « Décalage horiz. » ou du « Décalage vertical ».</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Open Image...</source>
        <translation>Ouvrir une image...</translation>
    </message>
    <message>
        <source>Select the image to be used on the lower left corner of the postcard back.</source>
        <translation>Choisissez l&apos;image du coin inférieur gauche du dos de la carte.</translation>
    </message>
    <message>
        <source>Delete Image</source>
        <translation>Supprimer l&apos;image</translation>
    </message>
    <message>
        <source>Deletes the image from the card back.</source>
        <translation>Retire l&apos;image du dos de la carte.</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Will print the page of postcard fronts to selected printer.</source>
        <translation>Imprime la page des recto de cartes sur l&apos;imprimante choisie.</translation>
    </message>
    <message>
        <source>No printer is installed: will save the page of postcard backs as a PDF file in the folder &quot;%1&quot;.</source>
        <translation>Aucune imprimante installée : enregistre la page des dos en fichier PDF dans le dossier « %1 ».</translation>
    </message>
    <message>
        <source>No printer is installed: will save the page of postcard fronts as a PDF file in the folder &quot;%1&quot;.</source>
        <translation>Aucune imprimante installée : enregistre la page des recto en fichier PDF dans le dossier « %1 ».</translation>
    </message>
    <message>
        <source>No printer installed: Print saves a PDF file in %1</source>
        <translation>Pas d&apos;imprimante : Imprimer enregistre un PDF dans %1</translation>
    </message>
    <message>
        <source>Talmiro Inc. - postcards from your own printer</source>
        <translation>Talmiro Inc. - des cartes de votre imprimante</translation>
    </message>
    <message>
        <source>Version %1 %2</source>
        <translation>Version %1 %2</translation>
    </message>
    <message>
        <source>Open an image for Front of PostCard</source>
        <translation>Ouvrir une image pour le recto</translation>
    </message>
    <message>
        <source>Postcard Designs (*.%1)|*.%1</source>
        <translation>Modèles de cartes (*.%1)|*.%1</translation>
    </message>
    <message>
        <source>Save PostCard Back as BitMap</source>
        <translation>Enregistrer le dos en bitmap</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)|*.bmp</source>
        <translation>Images bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>The work folder &quot;%1&quot; could not be created, so pages cannot be printed until it can.</source>
        <translation>Le dossier de travail « %1 » n&apos;a pas pu être créé ; aucune page ne peut être imprimée tant qu&apos;il ne l&apos;est pas.</translation>
    </message>
    <message>
        <source>Talmiro Postcard Print opens one design at a time; %1 files were named on its command line.</source>
        <translation>Talmiro Postcard Print ouvre un modèle à la fois ; %1 fichiers ont été indiqués sur la ligne de commande.</translation>
    </message>
    <message>
        <source>End Program?</source>
        <translation>Quitter le programme ?</translation>
    </message>
    <message>
        <source>Are you sure you want to end program?</source>
        <translation>Voulez-vous vraiment quitter le programme ?</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before the program ends?</source>
        <translation>Le modèle a des modifications non enregistrées. Les enregistrer avant de quitter ?</translation>
    </message>
    <message>
        <source>Opening the picture &quot;%1&quot;...</source>
        <translation>Ouverture de l&apos;image « %1 »...</translation>
    </message>
    <message>
        <source>Open Design</source>
        <translation>Ouvrir un modèle</translation>
    </message>
    <message>
        <source>Save Design As</source>
        <translation>Enregistrer le modèle sous</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before another design is opened?</source>
        <translation>Le modèle a des modifications non enregistrées. Les enregistrer avant d&apos;ouvrir un autre modèle ?</translation>
    </message>
    <message>
        <source>Opening the design &quot;%1&quot;...</source>
        <translation>Ouverture du modèle « %1 »...</translation>
    </message>
    <message>
        <source>Open the design saved in %1.</source>
        <translation>Ouvrir le modèle enregistré dans %1.</translation>
    </message>
    <message>
        <source>Cards Cut Off</source>
        <translation>Cartes coupées</translation>
    </message>
    <message>
        <source>Alignment Test</source>
        <translation>Test d&apos;alignement</translation>
    </message>
    <message>
        <source>Prints the fronts and, on the back of the same sheet, the backs in one go; the printer turns the sheet over its %1, as set in Printer Setup.  Number of Copies counts sheets.</source>
        <translation>Imprime en une fois les recto et, au verso de la même feuille, les dos ; l&apos;imprimante retourne la feuille sur son %1, comme réglé dans « Imprimante ». « Exemplaires » compte les feuilles.</translation>
    </message>
    <message>
        <source>No printer is installed, so this is not available: Print saves the fronts and the backs each as a PDF file of its own.</source>
        <translation>Aucune imprimante n&apos;est installée, ceci n&apos;est donc pas disponible : Imprimer enregistre les recto et les dos chacun dans son propre fichier PDF.</translation>
    </message>
    <message>
        <source>short edge</source>
        <translation>petit côté</translation>
    </message>
    <message>
        <source>long edge</source>
        <translation>grand côté</translation>
    </message>
    <message>
        <source>File name to save sheet of postcard backs, as a bitmap.</source>
        <translation>Nom du fichier où enregistrer les dos de cartes en bitmap.</translation>
    </message>
    <message>
        <source>File name to save sheet of postcard backs, as a jpg.</source>
        <translation>Nom du fichier où enregistrer les dos de cartes en JPG.</translation>
    </message>
    <message>
        <source>Jpg (*.jpg)|*.jpg</source>
        <translation>Images JPG (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>Image not saved. No name entered for image.</source>
        <translation>Image non enregistrée. Aucun nom n&apos;a été saisi.</translation>
    </message>
    <message>
        <source>Corner Picture</source>
        <translation>Image du coin</translation>
    </message>
    <message>
        <source>Delete Corner Picture</source>
        <translation>Suppression de l&apos;image du coin</translation>
    </message>
    <message>
        <source>Typing in %1</source>
        <translation>Saisie dans %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Takes back the last change of the card.</source>
        <translation>Annule la dernière modification de la carte.</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Makes again the change last taken back.</source>
        <translation>Refait la dernière modification annulée.</translation>
    </message>
    <message>
        <source>Front Picture</source>
        <translation>Image du recto</translation>
    </message>
    <message>
        <source>Delete Front Picture</source>
        <translation>Suppression de l&apos;image du recto</translation>
    </message>
    <message>
        <source>Front Font</source>
        <translation>Police du recto</translation>
    </message>
    <message>
        <source>Front Text Color</source>
        <translation>Couleur du texte du recto</translation>
    </message>
    <message>
        <source>Front Text Place</source>
        <translation>Place du texte du recto</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>No Post Card Back Layout is chosen, so nothing was printed. Choose one and print again.</source>
        <translation>Aucune disposition n&apos;est choisie, rien n&apos;a donc été imprimé. Choisissez-en une et imprimez de nouveau.</translation>
    </message>
    <message>
        <source>There is no picture for the postcard front yet, so nothing was printed. Click the front preview to open a picture, then print again.</source>
        <translation>Le recto n&apos;a pas encore d&apos;image, rien n&apos;a donc été imprimé. Cliquez sur l&apos;aperçu du recto pour ouvrir une image, puis imprimez de nouveau.</translation>
    </message>
    <message>
        <source>This printer cannot print both sides of a sheet, so this is not available: print the fronts, turn the sheet over and print the backs, or choose a printer that prints both sides with Printer Setup.</source>
        <translation>Cette imprimante ne sait pas imprimer recto verso, ceci n&apos;est donc pas disponible : imprimez les recto, retournez la feuille et imprimez les dos, ou choisissez avec « Imprimante » une imprimante recto verso.</translation>
    </message>
    <message>
        <source>&amp;Address List...</source>
        <translation>&amp;Liste d’adresses...</translation>
    </message>
    <message>
        <source>Prints a card for each address of a CSV or vCard list.|Opens a list of addresses (CSV or vCard); the Address Lines item &quot;Text&quot; then prints each address on a card of its own.</source>
        <translation>Imprime une carte pour chaque adresse d’une liste CSV ou vCard.|Ouvre une liste d’adresses (CSV ou vCard) ; l’option « Text » des Address Lines imprime alors chaque adresse sur sa propre carte.</translation>
    </message>
    <message>
        <source>&amp;Remove Address List</source>
        <translation>&amp;Retirer la liste d’adresses</translation>
    </message>
    <message>
        <source>Prints the typed address again instead of the list.</source>
        <translation>Imprime de nouveau l’adresse saisie au lieu de la liste.</translation>
    </message>
    <message>
        <source>Previous address</source>
        <translation>Adresse précédente</translation>
    </message>
    <message>
        <source>Next address</source>
        <translation>Adresse suivante</translation>
    </message>
    <message>
        <source>Address List</source>
        <translation>Liste d’adresses</translation>
    </message>
    <message>
        <source>Address lists (*.csv;*.vcf;*.txt;*.tsv)|*.csv;*.vcf;*.txt;*.tsv|All files (*)|*</source>
        <translation>Listes d’adresses (*.csv;*.vcf;*.txt;*.tsv)|*.csv;*.vcf;*.txt;*.tsv|Tous les fichiers (*)|*</translation>
    </message>
    <message>
        <source>; its text is not UTF-8 and was read as Windows-1252</source>
        <translation> ; son texte n’est pas en UTF-8 et a été lu en Windows-1252</translation>
    </message>
    <message>
        <source>Remove Address List</source>
        <translation>Retirer la liste d’adresses</translation>
    </message>
    <message>
        <source>Address %1 of %2</source>
        <translation>Adresse %1 sur %2</translation>
    </message>
    <message>
        <source>Printing %1 sheets...</source>
        <translation>Impression de %1 feuilles...</translation>
    </message>
    <message>
        <source>Printing was cancelled: %1 of %2 sheets went to the printer.</source>
        <translation>L’impression a été annulée : %1 feuilles sur %2 sont parties à l’imprimante.</translation>
    </message>
    <message>
        <source>None of the address list&apos;s addresses has more than a name in the columns chosen, so nothing was printed. Choose the columns with Files &gt; Address List... and print again.</source>
        <translation>Aucune adresse de la liste n’a plus qu’un nom dans les colonnes choisies, rien n’a donc été imprimé. Choisissez les colonnes avec Files &gt; Address List... et imprimez de nouveau.</translation>
    </message>
    <message>
        <source>Addresses from &quot;%1&quot;: %2</source>
        <translation>Adresses de « %1 » : %2</translation>
    </message>
    <message>
        <source>Left out of the list, without an address: %1 contacts.</source>
        <translation>Laissés hors de la liste, sans adresse : %1 contacts.</translation>
    </message>
    <message>
        <source>Fine draws each page for the printer at its own resolution: sharp text and lines, photos at their own detail. As shown prints the page as the previews show it, 200 dots per inch stretched to the printer.</source>
        <translation>Fine dessine chaque page pour l&apos;imprimante à sa propre résolution : texte et traits nets, photos à leur propre finesse. Comme affiché imprime la page comme les aperçus la montrent, à 200 points par pouce étirés sur l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>As
shown</source>
        <translation>Tel
quel</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Exporter en PDF...</translation>
    </message>
    <message>
        <source>Saves the card for a print shop as a PDF file: one card a page at its real size, its text as text and its photos at their own detail, with a bleed and crop marks if you wish.</source>
        <translation>Enregistre la carte pour un imprimeur en fichier PDF : une carte par page à sa taille réelle, son texte en texte et ses photos à leur propre finesse, avec fond perdu et traits de coupe si vous le souhaitez.</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>Qualité d&apos;impression</translation>
    </message>
    <message>
        <source>Export PDF for a print shop</source>
        <translation>Exporter en PDF pour un imprimeur</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation>Fichiers PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Add a bleed of 1/8 inch (3 mm), the front picture reaching past the card&apos;s edges, and crop marks where the card is cut?</source>
        <translation>Ajouter un fond perdu de 1/8 de pouce (3 mm), l&apos;image du recto dépassant les bords de la carte, et des traits de coupe là où la carte est coupée ?</translation>
    </message>
    <message>
        <source>The card was saved as the PDF file &quot;%1&quot;, one card a page at its real size.</source>
        <translation>La carte a été enregistrée dans le fichier PDF « %1 », une carte par page à sa taille réelle.</translation>
    </message>
    <message>
        <source>Previous photo</source>
        <translation>Photo précédente</translation>
    </message>
    <message>
        <source>Next photo</source>
        <translation>Photo suivante</translation>
    </message>
    <message>
        <source>At most %1 photos make a run of cards, and %2 were chosen, so the front is unchanged. Choose fewer photos.</source>
        <translation>Une série de cartes prend au plus %1 photos et %2 ont été choisies ; le recto reste donc inchangé. Choisissez moins de photos.</translation>
    </message>
    <message>
        <source>Front Pictures</source>
        <translation>Images du recto</translation>
    </message>
    <message>
        <source>Photo %1 of %2</source>
        <translation>Photo %1 sur %2</translation>
    </message>
    <message>
        <source>Other paper</source>
        <translation>Autre papier</translation>
    </message>
    <message>
        <source>Chooses 4 A6 cards on A4, a single A6 card, or a layout of your own for your stock.</source>
        <translation>Choisit 4 cartes A6 sur A4, une seule carte A6 ou une disposition personnelle pour votre papier.</translation>
    </message>
    <message>
        <source>The fronts are printed. %1

Put the sheets back into the paper tray so that their blank side will be printed, turned over as the preview shows. Print the backs on them now?</source>
        <translation>Les recto sont imprimés. %1

Remettez les feuilles dans le bac à papier de sorte que leur face vierge soit imprimée, retournées comme le montre l&apos;aperçu. Imprimer les verso dessus maintenant ?</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Shows the sheets as the printer will get them: the fronts, the backs and the backs seen through the sheet, on the printer&apos;s paper in the chosen quality.</source>
        <translation>Montre les feuilles telles que l&apos;imprimante les recevra : les recto, les verso et les verso vus à travers la feuille, sur le papier de l&apos;imprimante dans la qualité choisie.</translation>
    </message>
    <message>
        <source>Other &amp;Paper...</source>
        <translation>Autre &amp;papier...</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
</context>
</TS>
