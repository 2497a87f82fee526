<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutSample</name>
    <message>
        <source>Talmiro Print Postcard Backs</source>
        <translation>Talmiro druckt Postkartenrückseiten</translation>
    </message>
    <message>
        <source>&quot;Your own pictures, your own postcards&quot;</source>
        <translation>„Eigene Bilder, eigene Postkarten“</translation>
    </message>
</context>
<context>
    <name>AddressList</name>
    <message numerus="yes">
        <source>none of its %n contacts has an address</source>
        <translation>
            <numerusform>keiner seiner %n Kontakte hat eine Adresse</numerusform>
            <numerusform>keiner seiner %n Kontakte hat eine Adresse</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not text</source>
        <translation>sie ist kein Text</translation>
    </message>
    <message>
        <source>a line is longer than %1 characters</source>
        <translation>eine Zeile ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>it holds more than %1 addresses</source>
        <translation>sie enthält mehr als %1 Adressen</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>ein in dieser Zeile geöffnetes Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>it holds no addresses below its header row</source>
        <translation>sie enthält unter der Kopfzeile keine Adressen</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>PO Box</source>
        <translation>Postfach</translation>
    </message>
    <message>
        <source>Extended Address</source>
        <translation>Adresszusatz</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesland</translation>
    </message>
    <message>
        <source>Postcode</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>a contact begins here before the last one ended</source>
        <translation>hier beginnt ein Kontakt, bevor der vorige endet</translation>
    </message>
    <message>
        <source>this line is outside any contact</source>
        <translation>diese Zeile steht außerhalb jedes Kontakts</translation>
    </message>
    <message>
        <source>the contact that begins on this line never ends: the file is cut short</source>
        <translation>der in dieser Zeile beginnende Kontakt endet nie: die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>it holds no contacts</source>
        <translation>sie enthält keine Kontakte</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: %2 (line %3). Nothing was changed.</source>
        <translation>Die Adressliste „%1“ kann nicht verwendet werden: %2 (Zeile %3). Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: %2. Nothing was changed.</source>
        <translation>Die Adressliste „%1“ kann nicht verwendet werden: %2. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: it is larger than 50 MB (%2 MB). Nothing was changed.</source>
        <translation>Die Adressliste „%1“ kann nicht verwendet werden: sie ist größer als 50 MB (%2 MB). Nichts wurde geändert.</translation>
    </message>
</context>
<context>
    <name>AlignmentTest</name>
    <message>
        <source>TOP</source>
        <translation>OBEN</translation>
    </message>
    <message>
        <source>FRONT</source>
        <translation>VORDERSEITE</translation>
    </message>
    <message>
        <source>TURNED</source>
        <translation>GEWENDET</translation>
    </message>
    <message>
        <source>Hold the sheet against a light, this side towards you.</source>
        <translation>Halten Sie das Blatt gegen das Licht, diese Seite zu Ihnen.</translation>
    </message>
    <message>
        <source>Set each adjustment to the number under its pointer.</source>
        <translation>Stellen Sie jede Korrektur auf die Zahl unter ihrem Zeiger.</translation>
    </message>
    <message>
        <source>A pointer that says TURNED: choose the other turn and test again.</source>
        <translation>Ein Zeiger mit GEWENDET: andere Wendeart wählen und erneut testen.</translation>
    </message>
    <message>
        <source>%1: the number under the pointer</source>
        <translation>%1: die Zahl unter dem Zeiger</translation>
    </message>
    <message>
        <source>%1: the number beside the pointer</source>
        <translation>%1: die Zahl neben dem Zeiger</translation>
    </message>
    <message>
        <source>turned over like a wall calendar: top and bottom change places, the left edge stays at the left</source>
        <translation>gewendet wie ein Wandkalender: oben und unten tauschen die Plätze, der linke Rand bleibt links</translation>
    </message>
    <message>
        <source>turned over like the page of a book: left and right change places, the top edge stays at the top</source>
        <translation>gewendet wie die Seite eines Buches: links und rechts tauschen die Plätze, der obere Rand bleibt oben</translation>
    </message>
    <message>
        <source>The test page of fronts is printed.</source>
        <translation>Die Testseite der Vorderseiten ist gedruckt.</translation>
    </message>
    <message>
        <source> Print it first.</source>
        <translation> Drucken Sie sie zuerst.</translation>
    </message>
    <message>
        <source>%1

Put the sheet back into the paper tray so that its blank side will be printed, %2. Print the test page of backs on it now?</source>
        <translation>%1

Legen Sie das Blatt so in das Papierfach zurück, dass seine leere Seite bedruckt wird, %2. Jetzt die Testseite der Rückseiten darauf drucken?</translation>
    </message>
</context>
<context>
    <name>AppError</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is not a file but a device or a pipe.</source>
        <translation>Es ist keine Datei, sondern ein Gerät oder eine Pipe.</translation>
    </message>
</context>
<context>
    <name>CardDocument</name>
    <message>
        <source>TITLE TEXT</source>
        <translation>TITEL</translation>
    </message>
    <message>
        <source>Descriptive Text</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>CreatedBy Text (Vertical Text)</source>
        <translation>Erstellt von (senkrechter Text)</translation>
    </message>
    <message>
        <source>PLACE

STAMP

HERE</source>
        <translation>BITTE

FREI-

MACHEN</translation>
    </message>
    <message>
        <source>Lower Left Text</source>
        <translation>Text unten links</translation>
    </message>
    <message>
        <source>PLEASE DO NOT WRITE BELOW THIS LINE</source>
        <translation>BITTE UNTER DER LINIE FREILASSEN</translation>
    </message>
    <message>
        <source>PostCard</source>
        <translation>Postkarte</translation>
    </message>
</context>
<context>
    <name>CardOutput</name>
    <message>
        <source>The picture could not be made for &quot;%1&quot; (%2), so nothing was saved.</source>
        <translation>Das Bild für „%1“ konnte nicht erstellt werden (%2), daher wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Nothing was printed; --yes prints anyway.</source>
        <translation>Es wurde nichts gedruckt; --yes druckt trotzdem.</translation>
    </message>
</context>
<context>
    <name>CardRender</name>
    <message>
        <source>The printer offers no %1 paper, which the layout &quot;%2&quot; is made for. Print on %3 paper instead?</source>
        <translation>Der Drucker bietet kein %1-Papier an, für das das Layout &quot;%2&quot; gemacht ist. Stattdessen auf %3-Papier drucken?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 and %2 cannot be asked for together.</source>
        <translation>%1 und %2 können nicht zusammen verlangt werden.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>--copies takes a number from %1 to %2.</source>
        <translation>--copies nimmt eine Zahl von %1 bis %2.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <source>One design at a time: %1 and %2 were given.</source>
        <translation>Ein Entwurf auf einmal: %1 und %2 wurden angegeben.</translation>
    </message>
    <message>
        <source>No action: --export-pdf, --export-png or --print.</source>
        <translation>Keine Aktion: --export-pdf, --export-png oder --print.</translation>
    </message>
    <message>
        <source>--printer, --copies and --yes go with --print only.</source>
        <translation>--printer, --copies und --yes gehen nur mit --print.</translation>
    </message>
    <message>
        <source>%1 needs --side %2.</source>
        <translation>%1 braucht --side %2.</translation>
    </message>
    <message>
        <source>No design file is given.</source>
        <translation>Es ist keine Entwurfsdatei angegeben.</translation>
    </message>
    <message>
        <source>The output would replace the design %1.</source>
        <translation>Die Ausgabe würde den Entwurf %1 ersetzen.</translation>
    </message>
    <message>
        <source>Nothing was done: %1</source>
        <translation>Es wurde nichts getan: %1</translation>
    </message>
    <message>
        <source>With any action, --addresses LIST (a CSV or vCard file) prints a card for each of its addresses in place of the design&apos;s address list.</source>
        <translation>Bei jeder Aktion druckt --addresses LISTE (eine CSV- oder vCard-Datei) eine Karte für jede ihrer Adressen anstelle der Adressliste des Entwurfs.</translation>
    </message>
    <message>
        <source>--quality takes fine or as-shown.</source>
        <translation>--quality nimmt fine oder as-shown.</translation>
    </message>
    <message>
        <source>--for-print-shop goes with --export-pdf only.</source>
        <translation>--for-print-shop geht nur mit --export-pdf.</translation>
    </message>
    <message>
        <source>Usage: %1 (--export-pdf OUT.pdf [--for-print-shop] | --export-png OUT.png | --print) --side SIDE [--quality fine|as-shown] [--printer NAME] [--copies N] [--yes] DESIGN.postcard; --help tells more.</source>
        <translation>Aufruf: %1 (--export-pdf AUS.pdf [--for-print-shop] | --export-png AUS.png | --print) --side SEITE [--quality fine|as-shown] [--printer NAME] [--copies N] [--yes] ENTWURF.postcard; --help sagt mehr.</translation>
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
        <translation>Aufruf: %1 [OPTION...] ENTWURF.postcard
Druckt oder exportiert einen Postkartenentwurf ohne Fenster; ein Entwurf allein öffnet ihn im Fenster.

  --export-pdf AUS.pdf --side fronts|backs|both
      die Seiten, wie Drucken sie ohne Drucker macht, auf dem Papier der Anordnung
      (both: die Vorderseiten, dann die Rückseiten, für das Wenden des Entwurfs gelegt);
      --for-print-shop: eine Karte je Seite in ihrer wahren Größe, mit 1/8 Zoll
      Beschnittzugabe und Schnittmarken
  --export-png AUS.png --side front|back
      eine Karte in Blattauflösung (die Rückseite wie „Bild als BMP speichern“)
  --print --side fronts|backs|both [--printer NAME] [--copies N] [--yes]
      druckt auf dem Standarddrucker oder NAME; both druckt beide Seiten in einem
      Durchgang auf einem Drucker, der das kann; --copies von %2 bis %3 ersetzt die
      Zahl des Entwurfs; --yes druckt auch, wenn das Papier Karten abschneidet
  --quality fine|as-shown
      mit --export-pdf und --print: fine (Vorgabe) zeichnet die Seiten in der
      Auflösung des Druckers, Text als Text; as-shown streckt die Seiten mit 200 dpi
  --help, --version

Rückgabewert: 0 erledigt, 1 ein Fehler (nichts wird geschrieben), 2 falscher Aufruf.</translation>
    </message>
    <message>
        <source>There is no layout &quot;%1&quot;; --layout takes %2.</source>
        <translation>Es gibt kein Layout &quot;%1&quot;; --layout nimmt %2.</translation>
    </message>
    <message>
        <source>With any action, --layout NAME puts the cards on another layout for one run: &quot;4 A6 on A4&quot; (or a6-on-a4), &quot;Single A6&quot; (single-a6) or one of the four of the window, named in any case. A layout whose paper the printer does not offer prints on the printer&apos;s paper with --yes only.</source>
        <translation>Mit jeder Aktion legt --layout NAME die Karten für einen Lauf auf ein anderes Layout: &quot;4 A6 auf A4&quot; (oder a6-on-a4), &quot;Eine A6&quot; (single-a6) oder eines der vier des Fensters, in beliebiger Groß- und Kleinschreibung. Ein Layout, dessen Papier der Drucker nicht anbietet, wird nur mit --yes auf dem Papier des Druckers gedruckt.</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>the setting &quot;%1&quot; is missing</source>
        <translation>die Einstellung „%1“ fehlt</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>wahr oder falsch</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>a number above %1 and up to %2</source>
        <translation>eine Zahl über %1 und bis %2</translation>
    </message>
    <message>
        <source>a colour written #RRGGBB</source>
        <translation>eine Farbe in der Form #RRGGBB</translation>
    </message>
    <message>
        <source>a group of settings</source>
        <translation>eine Gruppe von Einstellungen</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; must be %2</source>
        <translation>die Einstellung „%1“ muss %2 sein</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; must hold %2 styles</source>
        <translation>die Einstellung „%1“ muss %2 Stile enthalten</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; must be a group of settings</source>
        <translation>die Einstellung „%1“ muss eine Gruppe von Einstellungen sein</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; names no file</source>
        <translation>die Einstellung „%1“ nennt keine Datei</translation>
    </message>
    <message>
        <source>its version is not written as major.minor</source>
        <translation>ihre Version ist nicht als Haupt.Neben geschrieben</translation>
    </message>
    <message>
        <source>its settings cannot be read (%1)</source>
        <translation>ihre Einstellungen sind nicht lesbar (%1)</translation>
    </message>
    <message>
        <source>its version %1 is unknown</source>
        <translation>ihre Version %1 ist unbekannt</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a postcard design of Talmiro Postcard Print, so it cannot be opened as one.</source>
        <translation>Die Datei „%1“ ist kein Postkartenentwurf von Talmiro Postcard Print und kann daher nicht als solcher geöffnet werden.</translation>
    </message>
    <message>
        <source>The design could not be saved: %1.</source>
        <translation>Der Entwurf konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The design &quot;%1&quot; cannot be opened: %2. The file is damaged or cut short; nothing was changed.</source>
        <translation>Der Entwurf „%1“ kann nicht geöffnet werden: %2. Die Datei ist beschädigt oder unvollständig; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The design &quot;%1&quot; was saved in design format %2 by a newer version of Talmiro Postcard Print; this version reads design format %3. Nothing was changed.</source>
        <translation>Der Entwurf „%1“ wurde von einer neueren Version von Talmiro Postcard Print im Entwurfsformat %2 gespeichert; diese Version liest das Entwurfsformat %3. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a postcard design: %2 MB.</source>
        <translation>Die Datei „%1“ ist zu groß für einen Postkartenentwurf: %2 MB.</translation>
    </message>
    <message>
        <source>The design &quot;%1&quot; cannot be opened: its picture for %2 cannot be used. %3 Nothing was changed.</source>
        <translation>Der Entwurf „%1“ kann nicht geöffnet werden: sein Bild für %2 ist nicht verwendbar. %3 Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; holds more than %2 photos</source>
        <translation>die Einstellung „%1“ enthält mehr als %2 Fotos</translation>
    </message>
    <message>
        <source>The design could not be saved: its pictures take %1 MB, more than the %2 MB a design holds. Choose fewer or smaller photos.</source>
        <translation>Der Entwurf konnte nicht gespeichert werden: Seine Bilder belegen %1 MB, mehr als die %2 MB, die ein Entwurf fasst. Wählen Sie weniger oder kleinere Fotos.</translation>
    </message>
    <message>
        <source>its layout &quot;%1&quot; is wrong: %2</source>
        <translation>sein Layout &quot;%1&quot; ist fehlerhaft: %2</translation>
    </message>
</context>
<context>
    <name>DesignPictures</name>
    <message>
        <source>the lower left corner</source>
        <translation>die untere linke Ecke</translation>
    </message>
    <message>
        <source>the postcard front</source>
        <translation>die Vorderseite der Postkarte</translation>
    </message>
</context>
<context>
    <name>JpegCodec</name>
    <message>
        <source>JPEG error #%1</source>
        <translation>JPEG-Fehler Nr. %1</translation>
    </message>
    <message>
        <source>The JPEG file &quot;%1&quot; is not read: decoding its %2 x %3 pixels takes too long (it was stopped in scan %4).</source>
        <translation>Die JPEG-Datei „%1“ wird nicht gelesen: das Dekodieren ihrer %2 x %3 Pixel dauert zu lange (abgebrochen in Scan %4).</translation>
    </message>
</context>
<context>
    <name>PagePrint</name>
    <message>
        <source>cards</source>
        <comment>the cut part of the ...</comment>
        <translation>der Karten</translation>
    </message>
    <message>
        <source>left card</source>
        <comment>the cut part of the ...</comment>
        <translation>der linken Karte</translation>
    </message>
    <message>
        <source>right card</source>
        <comment>the cut part of the ...</comment>
        <translation>der rechten Karte</translation>
    </message>
    <message>
        <source>upper card</source>
        <comment>the cut part of the ...</comment>
        <translation>der oberen Karte</translation>
    </message>
    <message>
        <source>lower card</source>
        <comment>the cut part of the ...</comment>
        <translation>der unteren Karte</translation>
    </message>
    <message>
        <source>left cards</source>
        <comment>the cut part of the ...</comment>
        <translation>der linken Karten</translation>
    </message>
    <message>
        <source>upper cards</source>
        <comment>the cut part of the ...</comment>
        <translation>der oberen Karten</translation>
    </message>
    <message>
        <source>right cards</source>
        <comment>the cut part of the ...</comment>
        <translation>der rechten Karten</translation>
    </message>
    <message>
        <source>lower cards</source>
        <comment>the cut part of the ...</comment>
        <translation>der unteren Karten</translation>
    </message>
    <message>
        <source>card</source>
        <comment>the cut part of the ...</comment>
        <translation>der Karte</translation>
    </message>
    <message>
        <source>4 x 6 in</source>
        <translation>4 x 6 Zoll</translation>
    </message>
    <message>
        <source>the left %1 mm of the %2</source>
        <translation>die linken %1 mm %2</translation>
    </message>
    <message>
        <source>the top %1 mm of the %2</source>
        <translation>die oberen %1 mm %2</translation>
    </message>
    <message>
        <source>the right %1 mm of the %2</source>
        <translation>die rechten %1 mm %2</translation>
    </message>
    <message>
        <source>the bottom %1 mm of the %2</source>
        <translation>die unteren %1 mm %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source> are cut</source>
        <translation> werden abgeschnitten</translation>
    </message>
    <message>
        <source> is cut</source>
        <translation> werden abgeschnitten</translation>
    </message>
    <message>
        <source>On this printer&apos;s %1 paper %2 by the margins it cannot print on. Print anyway?</source>
        <translation>Auf dem %1-Papier dieses Druckers gilt: %2, durch die Ränder, die er nicht bedrucken kann. Trotzdem drucken?</translation>
    </message>
    <message>
        <source>This layout needs %1 paper; on %2 %3. Print anyway?</source>
        <translation>Dieses Layout braucht %1-Papier; auf %2 gilt: %3. Trotzdem drucken?</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Reading the picture &quot;%1&quot; was cancelled.</source>
        <translation>Das Lesen des Bildes „%1“ wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large: its %2 x %3 pixels need %4 MB to read, and one picture may use at most %5 MB.</source>
        <translation>Das Bild „%1“ ist zu groß: seine %2 x %3 Pixel brauchen zum Lesen %4 MB, und ein Bild darf höchstens %5 MB belegen.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large: its %2 x %3 pixels take too long to decode.</source>
        <translation>Das Bild „%1“ ist zu groß: das Dekodieren seiner %2 x %3 Pixel dauert zu lange.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; ends before its picture does; it may have been cut short while copying.</source>
        <translation>Die Datei „%1“ endet vor ihrem Bild; sie wurde vielleicht beim Kopieren abgeschnitten.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged and cannot be read.</source>
        <translation>Das Bild „%1“ ist beschädigt und kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged in the middle: part of it cannot be decoded.</source>
        <translation>Das Bild „%1“ ist in der Mitte beschädigt: ein Teil davon kann nicht dekodiert werden.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is a kind of %2 file this program cannot read (%3).</source>
        <translation>Das Bild „%1“ ist eine Art %2-Datei, die dieses Programm nicht lesen kann (%3).</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged: its file holds far more data than its %2 can need.</source>
        <translation>Das Bild „%1“ ist beschädigt: seine Datei enthält weit mehr Daten, als seine %2 brauchen können.</translation>
    </message>
    <message>
        <source>Not enough memory to read the %1 x %2 picture &quot;%3&quot;.</source>
        <translation>Nicht genug Speicher, um das Bild „%3“ mit %1 x %2 Pixeln zu lesen.</translation>
    </message>
    <message>
        <source>The picture file &quot;%1&quot; is too large: it has %2 MB, and a picture file may have at most %3 MB.</source>
        <translation>Die Bilddatei „%1“ ist zu groß: Sie hat %2 MB, eine Bilddatei darf höchstens %3 MB haben.</translation>
    </message>
    <message>
        <source>Not enough memory to read the picture &quot;%1&quot;.</source>
        <translation>Nicht genug Speicher, um das Bild „%1“ zu lesen.</translation>
    </message>
    <message>
        <source>The WebP decoder cannot be used.</source>
        <translation>Der WebP-Decoder kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read to its end: %2</source>
        <translation>Die Datei „%1“ konnte nicht bis zu ihrem Ende gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 bits a sample</source>
        <translation>%1 Bit je Abtastwert</translation>
    </message>
    <message>
        <source>a lossless or hierarchical one</source>
        <translation>verlustfrei oder hierarchisch</translation>
    </message>
    <message>
        <source>its colours are stored in an unknown way</source>
        <translation>seine Farben sind auf unbekannte Weise gespeichert</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. The picture could not be encoded as JPEG.</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. Das Bild konnte nicht als JPEG kodiert werden.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>The picture &quot;%1&quot; has a width or height of 0 and cannot be used.</source>
        <translation>Das Bild „%1“ hat eine Breite oder Höhe von 0 und kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Die Datei „%1“ ist leer.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture that can be read. Pictures can be %2.</source>
        <translation>Die Datei „%1“ ist kein lesbares Bild. Bilder können %2 sein.</translation>
    </message>
    <message>
        <source>All pictures (%1)|%1</source>
        <translation>Alle Bilder (%1)|%1</translation>
    </message>
    <message>
        <source>All files (*)|*</source>
        <translation>Alle Dateien (*)|*</translation>
    </message>
</context>
<context>
    <name>PrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Page of fronts</source>
        <translation>Seite der Vorderseiten</translation>
    </message>
    <message>
        <source>Page of backs</source>
        <translation>Seite der Rückseiten</translation>
    </message>
    <message>
        <source>Backs seen through the sheet, over their fronts</source>
        <translation>Rückseiten durch das Blatt gesehen, über ihren Vorderseiten</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>&amp;Previous Sheet</source>
        <translation>&amp;Vorheriges Blatt</translation>
    </message>
    <message>
        <source>&amp;Next Sheet</source>
        <translation>&amp;Nächstes Blatt</translation>
    </message>
    <message>
        <source>Zoom to &amp;Fit</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>Zoom to 100 %</source>
        <translation>Zoom auf 100 %</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Paper %1 x %2 mm at %3 dpi; the shaded edge is what the printer cannot reach. Print Quality: %4. Copies: %5.</source>
        <translation>Papier %1 x %2 mm bei %3 dpi; der schattierte Rand ist, was der Drucker nicht erreicht. Druckqualität: %4. Kopien: %5.</translation>
    </message>
    <message>
        <source>As shown</source>
        <translation>Wie bisher</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fein</translation>
    </message>
    <message>
        <source>Only the backs print: the card has no front picture yet.</source>
        <translation>Nur die Rückseiten werden gedruckt: die Karte hat noch kein Vorderseitenbild.</translation>
    </message>
    <message>
        <source>Both sides print in one go, the printer turning the sheet over its %1.</source>
        <translation>Beide Seiten werden in einem Durchgang gedruckt; der Drucker wendet das Blatt über seine %1.</translation>
    </message>
    <message>
        <source>short edge</source>
        <translation>kurze Kante</translation>
    </message>
    <message>
        <source>long edge</source>
        <translation>lange Kante</translation>
    </message>
    <message>
        <source>The fronts print first; then the sheets go back in turned over %1, and the backs print on them.</source>
        <translation>Zuerst werden die Vorderseiten gedruckt; dann kommen die Blätter %1 gewendet zurück, und die Rückseiten werden darauf gedruckt.</translation>
    </message>
    <message>
        <source>like a wall calendar</source>
        <translation>wie ein Wandkalender</translation>
    </message>
    <message>
        <source>like the page of a book</source>
        <translation>wie die Seite eines Buches</translation>
    </message>
    <message>
        <source>The paper or the printer&apos;s margins cut the cards; Print asks first.</source>
        <translation>Das Papier oder die Ränder des Druckers schneiden Karten ab; Drucken fragt zuerst.</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Blatt %1 von %2</translation>
    </message>
</context>
<context>
    <name>PrinterMetrics</name>
    <message>
        <source>The selected printer reports a resolution of %1 x %2 dots per inch and cannot be used. Choose another printer with Printer Setup.</source>
        <translation>Der gewählte Drucker meldet eine Auflösung von %1 x %2 Punkten pro Zoll und kann nicht verwendet werden. Wählen Sie mit „Drucker einrichten“ einen anderen Drucker.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Other Paper</source>
        <translation>Anderes Papier</translation>
    </message>
    <message>
        <source>New layout of your own</source>
        <translation>Neues eigenes Layout</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Layout:</translation>
    </message>
    <message>
        <source>Your own layout, as your stock has it</source>
        <translation>Ihr eigenes Layout, wie Ihr Kartenpapier es hat</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Card &amp;width:</source>
        <translation>Karten&amp;breite:</translation>
    </message>
    <message>
        <source>Card &amp;height:</source>
        <translation>Karten&amp;höhe:</translation>
    </message>
    <message>
        <source>&amp;Rows:</source>
        <translation>&amp;Reihen:</translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation>&amp;Spalten:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>Paper w&amp;idth:</source>
        <translation>Papierbre&amp;ite:</translation>
    </message>
    <message>
        <source>Paper h&amp;eight:</source>
        <translation>Papierh&amp;öhe:</translation>
    </message>
    <message>
        <source>Gap &amp;across:</source>
        <translation>&amp;Abstand waagrecht:</translation>
    </message>
    <message>
        <source>Gap &amp;down:</source>
        <translation>Abstand sen&amp;krecht:</translation>
    </message>
    <message>
        <source>&amp;Left margin:</source>
        <translation>&amp;Linker Rand:</translation>
    </message>
    <message>
        <source>&amp;Top margin:</source>
        <translation>&amp;Oberer Rand:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Picture preview</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Address List</source>
        <translation>Adressliste</translation>
    </message>
    <message>
        <source>Which columns of &quot;%1&quot; make each line of the address:</source>
        <translation>Welche Spalten von „%1“ jede Zeile der Adresse bilden:</translation>
    </message>
    <message>
        <source>Line &amp;%1:</source>
        <translation>Zeile &amp;%1:</translation>
    </message>
    <message>
        <source>Line %1, part %2</source>
        <translation>Zeile %1, Teil %2</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(nichts)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>&amp;Start at card:</source>
        <translation>&amp;Beginnen bei Karte:</translation>
    </message>
    <message>
        <source>(no record has an address in these columns)</source>
        <translation>(kein Eintrag hat in diesen Spalten eine Adresse)</translation>
    </message>
</context>
<context>
    <name>QtPrinterDevice</name>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed, so nothing was printed. Choose a printer with Printer Setup.</source>
        <translation>Der Drucker „%1“ ist nicht mehr installiert, daher wurde nichts gedruckt. Wählen Sie mit „Drucker einrichten“ einen Drucker.</translation>
    </message>
    <message>
        <source>The printing service cannot be reached, so nothing was printed on &quot;%1&quot;. Start it again, or choose another printer with Printer Setup.</source>
        <translation>Der Druckdienst ist nicht erreichbar, daher wurde auf „%1“ nichts gedruckt. Starten Sie ihn neu oder wählen Sie mit „Drucker einrichten“ einen anderen Drucker.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed. Let it accept jobs again, or choose another printer with Printer Setup.</source>
        <translation>Der Drucker „%1“ nimmt keine Aufträge an, daher wurde nichts gedruckt. Lassen Sie ihn wieder Aufträge annehmen oder wählen Sie mit „Drucker einrichten“ einen anderen Drucker.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the page (%2), so nothing was printed.</source>
        <translation>Der Drucker „%1“ hat die Seite nicht angenommen (%2), daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>No file is named for the PDF output, so nothing was printed. Name one with Printer Setup.</source>
        <translation>Für die PDF-Ausgabe ist keine Datei angegeben, daher wurde nichts gedruckt. Geben Sie mit „Drucker einrichten“ eine an.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written: its folder does not exist.</source>
        <translation>Die PDF-Datei „%1“ konnte nicht geschrieben werden: ihr Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be started.</source>
        <translation>Die PDF-Datei „%1“ konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the page.</source>
        <translation>Der Drucker „%1“ konnte die Seite nicht beginnen.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the next page.</source>
        <translation>Der Drucker „%1“ konnte die nächste Seite nicht beginnen.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer &quot;%1&quot;.</source>
        <translation>Die Seite konnte nicht an den Drucker „%1“ gesendet werden.</translation>
    </message>
    <message>
        <source>No printer is installed, so the page was saved as the PDF file &quot;%1&quot;.</source>
        <translation>Es ist kein Drucker installiert, daher wurde die Seite als PDF-Datei „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>The page was saved as the PDF file &quot;%1&quot;.</source>
        <translation>Die Seite wurde als PDF-Datei „%1“ gespeichert.</translation>
    </message>
    <message>
        <source> Print %1 copies of it.</source>
        <translation> Drucken Sie %1 Exemplare davon.</translation>
    </message>
    <message>
        <source>No printer is installed and the page could not be saved, so nothing was printed. </source>
        <translation>Es ist kein Drucker installiert und die Seite konnte nicht gespeichert werden, daher wurde nichts gedruckt. </translation>
    </message>
    <message>
        <source>The page could not be saved as the PDF file, so nothing was printed. </source>
        <translation>Die Seite konnte nicht als PDF-Datei gespeichert werden, daher wurde nichts gedruckt. </translation>
    </message>
    <message>
        <source>The PDF output for &quot;%1&quot; came out incomplete.</source>
        <translation>Die PDF-Ausgabe für „%1“ ist unvollständig.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; held %2 of its %3 bytes when read back, so it was removed.</source>
        <translation>Die PDF-Datei „%1“ enthielt beim Zurücklesen %2 ihrer %3 Bytes und wurde daher entfernt.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed.</source>
        <translation>Es ist kein Drucker installiert, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not installed, so nothing was printed.</source>
        <translation>Der Drucker „%1“ ist nicht installiert, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The PDF file could not be made, so nothing was saved. </source>
        <translation>Die PDF-Datei konnte nicht erstellt werden, daher wurde nichts gespeichert. </translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <source>A card of %1 x %2 mm cannot be drawn: cards are from 5 x 3.5 inches (127 x 88.9 mm) to A5 (210 x 148 mm), the width being the long side.</source>
        <translation>Eine Karte von %1 x %2 mm kann nicht gezeichnet werden: Karten reichen von 5 x 3,5 Zoll (127 x 88,9 mm) bis A5 (210 x 148 mm), die Breite ist die lange Seite.</translation>
    </message>
    <message>
        <source>Portrait - Portrait</source>
        <translation>Hoch - Hoch</translation>
    </message>
    <message>
        <source>Landscape-Landscape</source>
        <translation>Quer - Quer</translation>
    </message>
    <message>
        <source>Single on 4x6 paper</source>
        <translation>Eine auf 4x6-Papier</translation>
    </message>
    <message>
        <source>4 on Sheet</source>
        <translation>4 pro Blatt</translation>
    </message>
    <message>
        <source>4 A6 on A4</source>
        <translation>4 A6 auf A4</translation>
    </message>
    <message>
        <source>Single A6</source>
        <translation>Eine A6</translation>
    </message>
    <message>
        <source>A layout of your own needs a name.</source>
        <translation>Ein eigenes Layout braucht einen Namen.</translation>
    </message>
    <message>
        <source>A layout has from 1 to %1 rows and columns.</source>
        <translation>Ein Layout hat 1 bis %1 Reihen und Spalten.</translation>
    </message>
    <message>
        <source>The cards, their gaps and the margins (%1 x %2 mm) do not fit on the paper of %3 x %4 mm.</source>
        <translation>Die Karten, ihre Abstände und die Ränder (%1 x %2 mm) passen nicht auf das Papier von %3 x %4 mm.</translation>
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
        <translation>Postkartenseiten</translation>
    </message>
    <message>
        <source>Postcard Back</source>
        <translation>Rückseite</translation>
    </message>
    <message>
        <source>Displays how the card will be printed.</source>
        <translation>Zeigt, wie die Karte gedruckt wird.</translation>
    </message>
    <message>
        <source>Each card is displayed while printing.</source>
        <translation>Jede Karte wird beim Drucken angezeigt.</translation>
    </message>
    <message>
        <source>Postcard Back preview</source>
        <translation>Vorschau der Rückseite</translation>
    </message>
    <message>
        <source>Text/Image</source>
        <translation>Text/Bild</translation>
    </message>
    <message>
        <source>Enter your text, select an image if you want to use one, and decide what areas you want to print.</source>
        <translation>Geben Sie Ihren Text ein, wählen Sie bei Bedarf ein Bild und legen Sie fest, welche Bereiche gedruckt werden.</translation>
    </message>
    <message>
        <source>Title Text</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Descriptive Text</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Vertical Text</source>
        <translation>Senkrechter Text</translation>
    </message>
    <message>
        <source>Lower Left Text</source>
        <translation>Text unten links</translation>
    </message>
    <message>
        <source>Stamp Text</source>
        <translation>Markentext</translation>
    </message>
    <message>
        <source>Postal Bar Code Area Text</source>
        <translation>Text der Codierzone</translation>
    </message>
    <message>
        <source>Image (right click menu)</source>
        <translation>Bild (Menü: Rechtsklick)</translation>
    </message>
    <message>
        <source>PostCard Text</source>
        <translation>Postkarten-Text</translation>
    </message>
    <message>
        <source>Name and Address Text:</source>
        <translation>Name und Anschrift:</translation>
    </message>
    <message>
        <source>Image will be used to print in lower left corner of card back.  Right click for popup menu.</source>
        <translation>Das Bild wird unten links auf die Kartenrückseite gedruckt. Rechtsklick öffnet das Menü.</translation>
    </message>
    <message>
        <source>Title of postcard, by default will print bold.</source>
        <translation>Titel der Postkarte, standardmäßig fett gedruckt.</translation>
    </message>
    <message>
        <source>TITLE TEXT</source>
        <translation>TITEL</translation>
    </message>
    <message>
        <source>A short description for your postcard.</source>
        <translation>Eine kurze Beschreibung für Ihre Postkarte.</translation>
    </message>
    <message>
        <source>Will print vertical in the center of the postcard to seperate the letter section from the address section.  May use this text, solid lines or nothing.</source>
        <translation>Wird senkrecht in der Mitte der Postkarte gedruckt und trennt den Textteil vom Anschriftenteil. Möglich sind dieser Text, durchgezogene Linien oder nichts.</translation>
    </message>
    <message>
        <source>CreatedBy Text (Vertical Text)</source>
        <translation>Erstellt von (senkrechter Text)</translation>
    </message>
    <message>
        <source>This text will print in the area where the stamp is placed when mailing.  If you do not want any text there, clear the current text.</source>
        <translation>Dieser Text wird dort gedruckt, wo beim Versand die Briefmarke hinkommt. Wenn dort kein Text stehen soll, löschen Sie ihn.</translation>
    </message>
    <message>
        <source>PLACE

STAMP

HERE</source>
        <translation>BITTE

FREI-

MACHEN</translation>
    </message>
    <message>
        <source>Selects how the address area will be printed, nothing or lines or the text that is entered int eh Name and Address Text.</source>
        <translation>Legt fest, wie der Anschriftenbereich gedruckt wird: leer, mit Linien oder mit dem Text aus „Name und Anschrift“.</translation>
    </message>
    <message>
        <source>Address Lines</source>
        <translation>Anschriftzeilen</translation>
    </message>
    <message>
        <source>No lines</source>
        <translation>Ohne</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Selects what is used, if anythng, between the letter area and the address area of the postcard.</source>
        <translation>Legt fest, was zwischen Textteil und Anschriftenteil der Postkarte steht, falls überhaupt etwas.</translation>
    </message>
    <message>
        <source>Address Seperator</source>
        <translation>Trenner</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Thin line</source>
        <translation>Dünne Linie</translation>
    </message>
    <message>
        <source>Heavy line</source>
        <translation>Dicke Linie</translation>
    </message>
    <message>
        <source>Selects what kind of a border, if any will be drawn around the text in the postage stamp area.</source>
        <translation>Legt fest, welcher Rahmen, falls überhaupt, um den Text im Briefmarkenfeld gezeichnet wird.</translation>
    </message>
    <message>
        <source>Stamp Border</source>
        <translation>Markenrahmen</translation>
    </message>
    <message>
        <source>Thin box</source>
        <translation>Dünn</translation>
    </message>
    <message>
        <source>Thick box</source>
        <translation>Dick</translation>
    </message>
    <message>
        <source>Stamp </source>
        <translation>Zacken </translation>
    </message>
    <message>
        <source>If &quot;yes&quot; will print the box on the card which shows were the post office requires you to leave blank for the post office bar code.</source>
        <translation>Bei „Ja“ wird das Feld gedruckt, das die Post für ihren Strichcode frei haben will (Codierzone).</translation>
    </message>
    <message>
        <source>Postal Bar Code Box</source>
        <translation>Codierzone</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>If selected and text entered will print in the lower left corner instead of an image.</source>
        <translation>Wenn gewählt und Text eingegeben, wird er statt eines Bildes unten links gedruckt.</translation>
    </message>
    <message>
        <source>Selects what is printed in the lower left corner if anything.</source>
        <translation>Legt fest, was unten links gedruckt wird, falls überhaupt etwas.</translation>
    </message>
    <message>
        <source>Lower Left Corner</source>
        <translation>Ecke unten links</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Text to identify the post office bar code area as a do not write area.</source>
        <translation>Text, der die Codierzone der Post als nicht zu beschriftende Fläche kennzeichnet.</translation>
    </message>
    <message>
        <source>PLEASE DO NOT WRITE BELOW THIS LINE</source>
        <translation>BITTE UNTER DER LINIE FREILASSEN</translation>
    </message>
    <message>
        <source>This text will print just to the left of the stamp area.</source>
        <translation>Dieser Text wird direkt links neben dem Briefmarkenfeld gedruckt.</translation>
    </message>
    <message>
        <source>PostCard</source>
        <translation>Postkarte</translation>
    </message>
    <message>
        <source>Selects if the PostCard Text will print or not.</source>
        <translation>Legt fest, ob der Postkarten-Text gedruckt wird.</translation>
    </message>
    <message>
        <source>Enter a name and address in this area if you want to pre-address the postcards.</source>
        <translation>Geben Sie hier Name und Anschrift ein, wenn die Postkarten schon adressiert gedruckt werden sollen.</translation>
    </message>
    <message>
        <source>PostCard Front</source>
        <translation>Vorderseite</translation>
    </message>
    <message>
        <source>Enter Text for PostCard Front:</source>
        <translation>Text für die Vorderseite:</translation>
    </message>
    <message>
        <source>PostCard Front Image (right click for menu)</source>
        <translation>Bild der Vorderseite (Menü: Rechtsklick)</translation>
    </message>
    <message>
        <source>Image Size (% of Orginal)</source>
        <translation>Bildgröße (% vom Original)</translation>
    </message>
    <message>
        <source>ImageOffset (%)</source>
        <translation>Verschiebung (%)</translation>
    </message>
    <message>
        <source>Horiziontal</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Front Text Picker</source>
        <translation>Text der Vorderseite</translation>
    </message>
    <message>
        <source>Current Position/Color</source>
        <translation>Aktuelle Stelle/Farbe</translation>
    </message>
    <message>
        <source>Pick New Position with Cursor</source>
        <translation>Neue Stelle anklicken</translation>
    </message>
    <message>
        <source>Pick New Font Color with Cursor</source>
        <translation>Neue Farbe anklicken</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>About sample</source>
        <translation>Beispielkarte</translation>
    </message>
    <message>
        <source>Click to start designing your postcard backs.</source>
        <translation>Klicken Sie hier, um Ihre Postkartenrückseiten zu gestalten.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>End program.</source>
        <translation>Programm beenden.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Talmiro Postcard Print

Design the back of your postcards here: title, description, stamp box, address area and a picture or text in the lower left corner.

Put a photo on the front, scale it, shift it and letter it by clicking on the preview.

Print the fronts, turn the sheet over, and print the backs on the reverse.

Press Continue to begin.</source>
        <translation>Talmiro Postcard Print

Gestalten Sie hier die Rückseite: Titel, Text, Markenfeld, Anschrift, unten links Bild oder Text.

Ein Foto auf die Vorderseite legen, skalieren, verschieben und per Klick beschriften.

Vorderseiten drucken, Blatt wenden, Rückseiten drucken.

„Weiter“ startet.</translation>
    </message>
    <message>
        <source>About Talmiro Postcard Print</source>
        <translation>Über Talmiro Postcard Print</translation>
    </message>
    <message>
        <source>Portrait - Portrait</source>
        <translation>Hoch - Hoch</translation>
    </message>
    <message>
        <source>Landscape-Landscape</source>
        <translation>Quer - Quer</translation>
    </message>
    <message>
        <source>Single on 4x6 paper</source>
        <translation>Eine auf 4x6-Papier</translation>
    </message>
    <message>
        <source>4 on Sheet</source>
        <translation>4 pro Blatt</translation>
    </message>
    <message>
        <source>Sample corner picture</source>
        <translation>Beispielbild für die Ecke</translation>
    </message>
    <message>
        <source>Print and Text Setup</source>
        <translation>Druck und Text</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Select printer, and paper size.</source>
        <translation>Drucker und Papierformat wählen.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Will print the page of postcard backs to selected printer.</source>
        <translation>Druckt die Seite der Postkartenrückseiten auf dem gewählten Drucker.</translation>
    </message>
    <message>
        <source>The number of copies of each page printed.</source>
        <translation>Wie oft jede Seite gedruckt wird.</translation>
    </message>
    <message>
        <source>Number of Copies</source>
        <translation>Anzahl Kopien</translation>
    </message>
    <message>
        <source>If the backs of the postcards don&apos;t line up, this moves the back of the postcard to the right if a positive number, to the left if negative; 25 is an 1/8 in.</source>
        <translation>Wenn die Rückseiten nicht passen, verschiebt dies die Rückseite nach rechts (positive Zahl) oder nach links (negative Zahl); 25 sind 1/8 Zoll (3 mm).</translation>
    </message>
    <message>
        <source>Print Image Adj</source>
        <translation>Quer-Korrektur</translation>
    </message>
    <message>
        <source>If the backs of the postcards don&apos;t line up, this moves the back of the postcard down if a positive number, up if negative; 25 is an 1/8 in.</source>
        <translation>Wenn die Rückseiten nicht passen, verschiebt dies die Rückseite nach unten (positive Zahl) oder nach oben (negative Zahl); 25 sind 1/8 Zoll (3 mm).</translation>
    </message>
    <message>
        <source>Print Adj Down</source>
        <translation>Höhen-Korrektur</translation>
    </message>
    <message>
        <source>The number of copies of each page printed, for example Old Maid is should be 2 so that pairs of cards will be created.</source>
        <translation>Wie oft jede Seite gedruckt wird; für ein Schwarzer-Peter-Spiel zum Beispiel 2, damit Kartenpaare entstehen.</translation>
    </message>
    <message>
        <source>Selects how the postcards are printed so the backs and fronts line up.  Use the &quot;Velloro&quot; cd default paper orientation to print the postcard fronts for best results.  Single in landscape prints one postcard back on the back of a 4x6 print.  And 4 on Sheet will print 4 4.25X5.5 inch postcard backs on one sheet.</source>
        <translation>Legt fest, wie die Postkarten gedruckt werden, damit Vorder- und Rückseiten zusammenpassen. Drucken Sie die Vorderseiten am besten in der Standard-Papierausrichtung der „Velloro“-CD. „Eine auf 4x6-Papier“ druckt eine Rückseite auf die Rückseite eines 4x6-Fotos. „4 pro Blatt“ druckt 4 Rückseiten von 4,25 x 5,5 Zoll auf ein Blatt.</translation>
    </message>
    <message>
        <source>Post Card Back Layout</source>
        <translation>Anordnung</translation>
    </message>
    <message>
        <source>Selects how you turn the printed sheet of fronts over before the backs are printed on it: Book, like the page of a book (left and right change places, the top stays at the top), or Calendar, like a wall calendar (top and bottom change places).  Either way each back prints head to head behind its front.</source>
        <translation>Legt fest, wie Sie das Blatt mit den Vorderseiten wenden, bevor die Rückseiten darauf gedruckt werden: Buch, wie eine Buchseite (links und rechts tauschen, oben bleibt oben), oder Kalender, wie ein Wandkalender (oben und unten tauschen). So oder so steht jede Rückseite richtig hinter ihrer Vorderseite.</translation>
    </message>
    <message>
        <source>Sheet Turn</source>
        <translation>Wenden</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Ends Program</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>Shows how your postcard backs will print on the paper.</source>
        <translation>Zeigt, wie Ihre Postkartenrückseiten auf das Papier gedruckt werden.</translation>
    </message>
    <message>
        <source>Layout picture</source>
        <translation>Bild der Anordnung</translation>
    </message>
    <message>
        <source>Text Setup</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Use to change the font name, size an color for each area of the postcard back.</source>
        <translation>Hier ändern Sie Schriftart, Größe und Farbe für jeden Bereich der Postkartenrückseite.</translation>
    </message>
    <message>
        <source>Check the areas you want to change.</source>
        <translation>Kreuzen Sie die Bereiche an, die Sie ändern möchten.</translation>
    </message>
    <message>
        <source>Select Text Areas</source>
        <translation>Bereiche</translation>
    </message>
    <message>
        <source>Stamp Border/Text</source>
        <translation>Markenrahmen/Text</translation>
    </message>
    <message>
        <source>Address Lines/Text</source>
        <translation>Anschriftzeilen/Text</translation>
    </message>
    <message>
        <source>Postal Bar Code</source>
        <translation>Codierzone</translation>
    </message>
    <message>
        <source>UnSelect All</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Display font dialog window so you can select font, style and size.</source>
        <translation>Öffnet das Schriftfenster, in dem Sie Schriftart, Stil und Größe wählen.</translation>
    </message>
    <message>
        <source>Display color dialog window so you can color to print the text in or to draw the lines.</source>
        <translation>Öffnet das Farbfenster, in dem Sie die Farbe für den Text oder die Linien wählen.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>If &quot;Lines&quot; is selected will print 5 lines in the address area of the postcard to help in addressing.  Otherwise no lines will print.</source>
        <translation>Bei „Linien“ werden 5 Linien in den Anschriftenbereich gedruckt, als Hilfe beim Adressieren. Sonst werden keine Linien gedruckt.</translation>
    </message>
    <message>
        <source>Open Design...</source>
        <translation>Entwurf öffnen...</translation>
    </message>
    <message>
        <source>Select a design file saved before, to go on with its card: the texts, fonts, colors, pictures and print settings.</source>
        <translation>Wählen Sie einen früher gespeicherten Entwurf, um mit seiner Karte weiterzumachen: Texte, Schriften, Farben, Bilder und Druckeinstellungen.</translation>
    </message>
    <message>
        <source>Save Design</source>
        <translation>Entwurf speichern</translation>
    </message>
    <message>
        <source>Save the design of the card, pictures included, in its design file so that nothing is lost when the program ends.</source>
        <translation>Speichert den Entwurf der Karte mit den Bildern in seiner Entwurfsdatei, damit beim Beenden nichts verloren geht.</translation>
    </message>
    <message>
        <source>Save Design As...</source>
        <translation>Entwurf speichern unter...</translation>
    </message>
    <message>
        <source>Select a file to save the design of the card in, pictures included.</source>
        <translation>Wählen Sie eine Datei, in der der Entwurf der Karte mit den Bildern gespeichert wird.</translation>
    </message>
    <message>
        <source>Save Image BitMap...</source>
        <translation>Bild als BMP speichern...</translation>
    </message>
    <message>
        <source>Select a file to save the card back image as a bitmap.</source>
        <translation>Wählen Sie eine Datei, in der die Kartenrückseite als Bitmap gespeichert wird.</translation>
    </message>
    <message>
        <source>Save Image jpg...</source>
        <translation>Bild als JPG speichern...</translation>
    </message>
    <message>
        <source>Select a file to save the card back image as a jpg.</source>
        <translation>Wählen Sie eine Datei, in der die Kartenrückseite als JPG gespeichert wird.</translation>
    </message>
    <message>
        <source>Print Both Sides</source>
        <translation>Beidseitig drucken</translation>
    </message>
    <message>
        <source>Alignment Test...</source>
        <translation>Ausrichtungstest...</translation>
    </message>
    <message>
        <source>Prints a test page of fronts with fine scales and then, after you turn the sheet over as the Sheet Turn says, a test page of backs with pointers: the number under each pointer is the value for Print Image Adj or Print Adj Down.</source>
        <translation>Druckt eine Testseite der Vorderseiten mit feinen Skalen und danach, wenn Sie das Blatt wie unter „Wenden“ eingestellt gewendet haben, eine Testseite der Rückseiten mit Zeigern: die Zahl unter jedem Zeiger ist der Wert für „Quer-Korrektur“ oder „Höhen-Korrektur“.</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Open Image...</source>
        <translation>Bild öffnen...</translation>
    </message>
    <message>
        <source>Select the image to be used on the lower left corner of the postcard back.</source>
        <translation>Wählen Sie das Bild für die Ecke unten links auf der Postkartenrückseite.</translation>
    </message>
    <message>
        <source>Delete Image</source>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <source>Deletes the image from the card back.</source>
        <translation>Entfernt das Bild von der Kartenrückseite.</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Will print the page of postcard fronts to selected printer.</source>
        <translation>Druckt die Seite der Postkartenvorderseiten auf dem gewählten Drucker.</translation>
    </message>
    <message>
        <source>No printer is installed: will save the page of postcard backs as a PDF file in the folder &quot;%1&quot;.</source>
        <translation>Kein Drucker installiert: speichert die Seite der Postkartenrückseiten als PDF-Datei im Ordner „%1“.</translation>
    </message>
    <message>
        <source>No printer is installed: will save the page of postcard fronts as a PDF file in the folder &quot;%1&quot;.</source>
        <translation>Kein Drucker installiert: speichert die Seite der Postkartenvorderseiten als PDF-Datei im Ordner „%1“.</translation>
    </message>
    <message>
        <source>No printer installed: Print saves a PDF file in %1</source>
        <translation>Kein Drucker: Drucken speichert eine PDF-Datei in %1</translation>
    </message>
    <message>
        <source>Talmiro Inc. - postcards from your own printer</source>
        <translation>Talmiro Inc. - Postkarten aus dem eigenen Drucker</translation>
    </message>
    <message>
        <source>Version %1 %2</source>
        <translation>Version %1 %2</translation>
    </message>
    <message>
        <source>Open an image for Front of PostCard</source>
        <translation>Bild für die Vorderseite öffnen</translation>
    </message>
    <message>
        <source>Postcard Designs (*.%1)|*.%1</source>
        <translation>Postkartenentwürfe (*.%1)|*.%1</translation>
    </message>
    <message>
        <source>Save PostCard Back as BitMap</source>
        <translation>Rückseite als Bitmap speichern</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)|*.bmp</source>
        <translation>Bitmaps (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genug Speicher.</translation>
    </message>
    <message>
        <source>The work folder &quot;%1&quot; could not be created, so pages cannot be printed until it can.</source>
        <translation>Der Arbeitsordner „%1“ konnte nicht angelegt werden; bis dahin können keine Seiten gedruckt werden.</translation>
    </message>
    <message>
        <source>Talmiro Postcard Print opens one design at a time; %1 files were named on its command line.</source>
        <translation>Talmiro Postcard Print öffnet einen Entwurf nach dem anderen; auf der Befehlszeile wurden %1 Dateien genannt.</translation>
    </message>
    <message>
        <source>End Program?</source>
        <translation>Programm beenden?</translation>
    </message>
    <message>
        <source>Are you sure you want to end program?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before the program ends?</source>
        <translation>Der Entwurf hat ungespeicherte Änderungen. Vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Opening the picture &quot;%1&quot;...</source>
        <translation>Das Bild „%1“ wird geöffnet...</translation>
    </message>
    <message>
        <source>Open Design</source>
        <translation>Entwurf öffnen</translation>
    </message>
    <message>
        <source>Save Design As</source>
        <translation>Entwurf speichern unter</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before another design is opened?</source>
        <translation>Der Entwurf hat ungespeicherte Änderungen. Vor dem Öffnen eines anderen Entwurfs speichern?</translation>
    </message>
    <message>
        <source>Opening the design &quot;%1&quot;...</source>
        <translation>Der Entwurf „%1“ wird geöffnet...</translation>
    </message>
    <message>
        <source>Open the design saved in %1.</source>
        <translation>Den in %1 gespeicherten Entwurf öffnen.</translation>
    </message>
    <message>
        <source>Cards Cut Off</source>
        <translation>Karten abgeschnitten</translation>
    </message>
    <message>
        <source>Alignment Test</source>
        <translation>Ausrichtungstest</translation>
    </message>
    <message>
        <source>Prints the fronts and, on the back of the same sheet, the backs in one go; the printer turns the sheet over its %1, as set in Printer Setup.  Number of Copies counts sheets.</source>
        <translation>Druckt in einem Durchgang die Vorderseiten und auf die Rückseite desselben Blatts die Rückseiten; der Drucker wendet das Blatt über die %1, wie unter „Drucker“ eingestellt. „Anzahl Kopien“ zählt Blätter.</translation>
    </message>
    <message>
        <source>No printer is installed, so this is not available: Print saves the fronts and the backs each as a PDF file of its own.</source>
        <translation>Es ist kein Drucker installiert, daher ist dies nicht verfügbar: Drucken speichert Vorder- und Rückseiten jeweils als eigene PDF-Datei.</translation>
    </message>
    <message>
        <source>short edge</source>
        <translation>kurze Kante</translation>
    </message>
    <message>
        <source>long edge</source>
        <translation>lange Kante</translation>
    </message>
    <message>
        <source>File name to save sheet of postcard backs, as a bitmap.</source>
        <translation>Dateiname für die Postkartenrückseiten als Bitmap.</translation>
    </message>
    <message>
        <source>File name to save sheet of postcard backs, as a jpg.</source>
        <translation>Dateiname für die Postkartenrückseiten als JPG.</translation>
    </message>
    <message>
        <source>Jpg (*.jpg)|*.jpg</source>
        <translation>JPG-Bilder (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>Image not saved. No name entered for image.</source>
        <translation>Bild nicht gespeichert. Es wurde kein Name eingegeben.</translation>
    </message>
    <message>
        <source>Corner Picture</source>
        <translation>Eckbild</translation>
    </message>
    <message>
        <source>Delete Corner Picture</source>
        <translation>Eckbild entfernen</translation>
    </message>
    <message>
        <source>Typing in %1</source>
        <translation>Eingabe in %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Takes back the last change of the card.</source>
        <translation>Nimmt die letzte Änderung der Karte zurück.</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Makes again the change last taken back.</source>
        <translation>Macht die zuletzt zurückgenommene Änderung wieder.</translation>
    </message>
    <message>
        <source>Front Picture</source>
        <translation>Bild der Vorderseite</translation>
    </message>
    <message>
        <source>Delete Front Picture</source>
        <translation>Bild der Vorderseite entfernen</translation>
    </message>
    <message>
        <source>Front Font</source>
        <translation>Schrift der Vorderseite</translation>
    </message>
    <message>
        <source>Front Text Color</source>
        <translation>Textfarbe der Vorderseite</translation>
    </message>
    <message>
        <source>Front Text Place</source>
        <translation>Textstelle der Vorderseite</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>No Post Card Back Layout is chosen, so nothing was printed. Choose one and print again.</source>
        <translation>Es ist keine Anordnung gewählt, daher wurde nichts gedruckt. Wählen Sie eine und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>There is no picture for the postcard front yet, so nothing was printed. Click the front preview to open a picture, then print again.</source>
        <translation>Für die Vorderseite gibt es noch kein Bild, daher wurde nichts gedruckt. Klicken Sie in die Vorschau der Vorderseite, öffnen Sie ein Bild und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>This printer cannot print both sides of a sheet, so this is not available: print the fronts, turn the sheet over and print the backs, or choose a printer that prints both sides with Printer Setup.</source>
        <translation>Dieser Drucker kann nicht beidseitig drucken, daher ist dies nicht verfügbar: drucken Sie die Vorderseiten, wenden Sie das Blatt und drucken Sie die Rückseiten, oder wählen Sie unter „Drucker“ einen Drucker, der beidseitig druckt.</translation>
    </message>
    <message>
        <source>&amp;Address List...</source>
        <translation>&amp;Adressliste...</translation>
    </message>
    <message>
        <source>Prints a card for each address of a CSV or vCard list.|Opens a list of addresses (CSV or vCard); the Address Lines item &quot;Text&quot; then prints each address on a card of its own.</source>
        <translation>Druckt eine Karte für jede Adresse einer CSV- oder vCard-Liste.|Öffnet eine Adressliste (CSV oder vCard); der Punkt „Text“ der Address Lines druckt dann jede Adresse auf eine eigene Karte.</translation>
    </message>
    <message>
        <source>&amp;Remove Address List</source>
        <translation>Adressliste &amp;entfernen</translation>
    </message>
    <message>
        <source>Prints the typed address again instead of the list.</source>
        <translation>Druckt wieder die getippte Adresse statt der Liste.</translation>
    </message>
    <message>
        <source>Previous address</source>
        <translation>Vorige Adresse</translation>
    </message>
    <message>
        <source>Next address</source>
        <translation>Nächste Adresse</translation>
    </message>
    <message>
        <source>Address List</source>
        <translation>Adressliste</translation>
    </message>
    <message>
        <source>Address lists (*.csv;*.vcf;*.txt;*.tsv)|*.csv;*.vcf;*.txt;*.tsv|All files (*)|*</source>
        <translation>Adresslisten (*.csv;*.vcf;*.txt;*.tsv)|*.csv;*.vcf;*.txt;*.tsv|Alle Dateien (*)|*</translation>
    </message>
    <message>
        <source>; its text is not UTF-8 and was read as Windows-1252</source>
        <translation>; ihr Text ist kein UTF-8 und wurde als Windows-1252 gelesen</translation>
    </message>
    <message>
        <source>Remove Address List</source>
        <translation>Adressliste entfernen</translation>
    </message>
    <message>
        <source>Address %1 of %2</source>
        <translation>Adresse %1 von %2</translation>
    </message>
    <message>
        <source>Printing %1 sheets...</source>
        <translation>%1 Blätter werden gedruckt...</translation>
    </message>
    <message>
        <source>Printing was cancelled: %1 of %2 sheets went to the printer.</source>
        <translation>Der Druck wurde abgebrochen: %1 von %2 Blättern gingen an den Drucker.</translation>
    </message>
    <message>
        <source>None of the address list&apos;s addresses has more than a name in the columns chosen, so nothing was printed. Choose the columns with Files &gt; Address List... and print again.</source>
        <translation>Keine Adresse der Adressliste hat in den gewählten Spalten mehr als einen Namen, daher wurde nichts gedruckt. Wählen Sie die Spalten mit Files &gt; Address List... und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>Addresses from &quot;%1&quot;: %2</source>
        <translation>Adressen aus „%1“: %2</translation>
    </message>
    <message>
        <source>Left out of the list, without an address: %1 contacts.</source>
        <translation>Ohne Adresse aus der Liste ausgelassen: %1 Kontakte.</translation>
    </message>
    <message>
        <source>Fine draws each page for the printer at its own resolution: sharp text and lines, photos at their own detail. As shown prints the page as the previews show it, 200 dots per inch stretched to the printer.</source>
        <translation>Fein zeichnet jede Seite für den Drucker in seiner eigenen Auflösung: scharfe Schrift und Linien, Fotos in ihrer eigenen Schärfe. Wie angezeigt druckt die Seite, wie die Vorschauen sie zeigen, mit 200 Punkten je Zoll auf den Drucker gestreckt.</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fein</translation>
    </message>
    <message>
        <source>As
shown</source>
        <translation>Wie
bisher</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>PDF exportieren...</translation>
    </message>
    <message>
        <source>Saves the card for a print shop as a PDF file: one card a page at its real size, its text as text and its photos at their own detail, with a bleed and crop marks if you wish.</source>
        <translation>Speichert die Karte für eine Druckerei als PDF-Datei: eine Karte je Seite in ihrer wahren Größe, ihr Text als Text und ihre Fotos in ihrer eigenen Schärfe, auf Wunsch mit Beschnittzugabe und Schnittmarken.</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>Druckqualität</translation>
    </message>
    <message>
        <source>Export PDF for a print shop</source>
        <translation>PDF für eine Druckerei exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Add a bleed of 1/8 inch (3 mm), the front picture reaching past the card&apos;s edges, and crop marks where the card is cut?</source>
        <translation>1/8 Zoll (3 mm) Beschnittzugabe, in die das Vorderseitenbild über die Kartenränder reicht, und Schnittmarken, wo die Karte geschnitten wird, hinzufügen?</translation>
    </message>
    <message>
        <source>The card was saved as the PDF file &quot;%1&quot;, one card a page at its real size.</source>
        <translation>Die Karte wurde als PDF-Datei „%1“ gespeichert, eine Karte je Seite in ihrer wahren Größe.</translation>
    </message>
    <message>
        <source>Previous photo</source>
        <translation>Voriges Foto</translation>
    </message>
    <message>
        <source>Next photo</source>
        <translation>Nächstes Foto</translation>
    </message>
    <message>
        <source>At most %1 photos make a run of cards, and %2 were chosen, so the front is unchanged. Choose fewer photos.</source>
        <translation>Eine Kartenserie nimmt höchstens %1 Fotos auf, gewählt wurden %2; die Vorderseite bleibt daher unverändert. Wählen Sie weniger Fotos.</translation>
    </message>
    <message>
        <source>Front Pictures</source>
        <translation>Bilder der Vorderseite</translation>
    </message>
    <message>
        <source>Photo %1 of %2</source>
        <translation>Foto %1 von %2</translation>
    </message>
    <message>
        <source>Other paper</source>
        <translation>Anderes Papier</translation>
    </message>
    <message>
        <source>Chooses 4 A6 cards on A4, a single A6 card, or a layout of your own for your stock.</source>
        <translation>Wählt 4 A6-Karten auf A4, eine einzelne A6-Karte oder ein eigenes Layout für Ihr Kartenpapier.</translation>
    </message>
    <message>
        <source>The fronts are printed. %1

Put the sheets back into the paper tray so that their blank side will be printed, turned over as the preview shows. Print the backs on them now?</source>
        <translation>Die Vorderseiten sind gedruckt. %1

Legen Sie die Blätter so in das Papierfach zurück, dass ihre leere Seite bedruckt wird, gewendet wie die Vorschau zeigt. Jetzt die Rückseiten darauf drucken?</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Shows the sheets as the printer will get them: the fronts, the backs and the backs seen through the sheet, on the printer&apos;s paper in the chosen quality.</source>
        <translation>Zeigt die Blätter so, wie der Drucker sie bekommt: die Vorderseiten, die Rückseiten und die Rückseiten durch das Blatt gesehen, auf dem Papier des Druckers in der gewählten Qualität.</translation>
    </message>
    <message>
        <source>Other &amp;Paper...</source>
        <translation>Anderes &amp;Papier...</translation>
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
        <translation>Auf</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
</context>
</TS>
