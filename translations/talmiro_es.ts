<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutSample</name>
    <message>
        <source>Talmiro Print Postcard Backs</source>
        <translation>Talmiro imprime reversos de postales</translation>
    </message>
    <message>
        <source>&quot;Your own pictures, your own postcards&quot;</source>
        <translation>«Tus fotos, tus postales»</translation>
    </message>
</context>
<context>
    <name>AddressList</name>
    <message numerus="yes">
        <source>none of its %n contacts has an address</source>
        <translation>
            <numerusform>ninguno de sus %n contactos tiene dirección</numerusform>
            <numerusform>ninguno de sus %n contactos tiene dirección</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not text</source>
        <translation>no es texto</translation>
    </message>
    <message>
        <source>a line is longer than %1 characters</source>
        <translation>una línea tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>it holds more than %1 addresses</source>
        <translation>contiene más de %1 direcciones</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>unas comillas abiertas en esta línea nunca se cierran</translation>
    </message>
    <message>
        <source>it holds no addresses below its header row</source>
        <translation>no contiene direcciones bajo la fila de encabezado</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>PO Box</source>
        <translation>Apartado postal</translation>
    </message>
    <message>
        <source>Extended Address</source>
        <translation>Dirección adicional</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Postcode</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>a contact begins here before the last one ended</source>
        <translation>aquí empieza un contacto antes de que termine el anterior</translation>
    </message>
    <message>
        <source>this line is outside any contact</source>
        <translation>esta línea está fuera de cualquier contacto</translation>
    </message>
    <message>
        <source>the contact that begins on this line never ends: the file is cut short</source>
        <translation>el contacto que empieza en esta línea nunca termina: el archivo está cortado</translation>
    </message>
    <message>
        <source>it holds no contacts</source>
        <translation>no contiene contactos</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: %2 (line %3). Nothing was changed.</source>
        <translation>La lista de direcciones «%1» no se puede usar: %2 (línea %3). No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: %2. Nothing was changed.</source>
        <translation>La lista de direcciones «%1» no se puede usar: %2. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: it is larger than 50 MB (%2 MB). Nothing was changed.</source>
        <translation>La lista de direcciones «%1» no se puede usar: ocupa más de 50 MB (%2 MB). No se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>AlignmentTest</name>
    <message>
        <source>TOP</source>
        <translation>ARRIBA</translation>
    </message>
    <message>
        <source>FRONT</source>
        <translation>ANVERSO</translation>
    </message>
    <message>
        <source>TURNED</source>
        <translation>GIRADA</translation>
    </message>
    <message>
        <source>Hold the sheet against a light, this side towards you.</source>
        <translation>Sostenga la hoja a contraluz, con esta cara hacia usted.</translation>
    </message>
    <message>
        <source>Set each adjustment to the number under its pointer.</source>
        <translation>Ajuste cada corrección al número bajo su indicador.</translation>
    </message>
    <message>
        <source>A pointer that says TURNED: choose the other turn and test again.</source>
        <translation>Un indicador con GIRADA: elija el otro giro y pruebe de nuevo.</translation>
    </message>
    <message>
        <source>%1: the number under the pointer</source>
        <translation>%1: el número bajo el indicador</translation>
    </message>
    <message>
        <source>%1: the number beside the pointer</source>
        <translation>%1: el número junto al indicador</translation>
    </message>
    <message>
        <source>turned over like a wall calendar: top and bottom change places, the left edge stays at the left</source>
        <translation>girada como un calendario de pared: arriba y abajo cambian de lugar, el borde izquierdo queda a la izquierda</translation>
    </message>
    <message>
        <source>turned over like the page of a book: left and right change places, the top edge stays at the top</source>
        <translation>girada como la página de un libro: izquierda y derecha cambian de lugar, el borde superior queda arriba</translation>
    </message>
    <message>
        <source>The test page of fronts is printed.</source>
        <translation>La página de prueba de los anversos está impresa.</translation>
    </message>
    <message>
        <source> Print it first.</source>
        <translation> Imprímala primero.</translation>
    </message>
    <message>
        <source>%1

Put the sheet back into the paper tray so that its blank side will be printed, %2. Print the test page of backs on it now?</source>
        <translation>%1

Vuelva a poner la hoja en la bandeja de papel de modo que se imprima su cara en blanco, %2. ¿Imprimir ahora en ella la página de prueba de los reversos?</translation>
    </message>
</context>
<context>
    <name>AppError</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is not a file but a device or a pipe.</source>
        <translation>No es un archivo sino un dispositivo o una tubería.</translation>
    </message>
</context>
<context>
    <name>CardDocument</name>
    <message>
        <source>TITLE TEXT</source>
        <translation>TÍTULO</translation>
    </message>
    <message>
        <source>Descriptive Text</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>CreatedBy Text (Vertical Text)</source>
        <translation>Creado por (texto vertical)</translation>
    </message>
    <message>
        <source>PLACE

STAMP

HERE</source>
        <translation>PONER

SELLO

AQUÍ</translation>
    </message>
    <message>
        <source>Lower Left Text</source>
        <translation>Texto abajo izq.</translation>
    </message>
    <message>
        <source>PLEASE DO NOT WRITE BELOW THIS LINE</source>
        <translation>NO ESCRIBA DEBAJO DE ESTA LÍNEA</translation>
    </message>
    <message>
        <source>PostCard</source>
        <translation>Postal</translation>
    </message>
</context>
<context>
    <name>CardOutput</name>
    <message>
        <source>The picture could not be made for &quot;%1&quot; (%2), so nothing was saved.</source>
        <translation>No se pudo hacer la imagen para «%1» (%2), así que no se guardó nada.</translation>
    </message>
    <message>
        <source>Nothing was printed; --yes prints anyway.</source>
        <translation>No se imprimió nada; --yes imprime de todos modos.</translation>
    </message>
</context>
<context>
    <name>CardRender</name>
    <message>
        <source>The printer offers no %1 paper, which the layout &quot;%2&quot; is made for. Print on %3 paper instead?</source>
        <translation>La impresora no ofrece papel %1, para el que está hecha la disposición &quot;%2&quot;. ¿Imprimir en papel %3 en su lugar?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 and %2 cannot be asked for together.</source>
        <translation>%1 y %2 no se pueden pedir juntos.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 necesita un valor.</translation>
    </message>
    <message>
        <source>--copies takes a number from %1 to %2.</source>
        <translation>--copies admite un número de %1 a %2.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Opción desconocida %1.</translation>
    </message>
    <message>
        <source>One design at a time: %1 and %2 were given.</source>
        <translation>Un diseño cada vez: se indicaron %1 y %2.</translation>
    </message>
    <message>
        <source>No action: --export-pdf, --export-png or --print.</source>
        <translation>Ninguna acción: --export-pdf, --export-png o --print.</translation>
    </message>
    <message>
        <source>--printer, --copies and --yes go with --print only.</source>
        <translation>--printer, --copies y --yes solo van con --print.</translation>
    </message>
    <message>
        <source>%1 needs --side %2.</source>
        <translation>%1 necesita --side %2.</translation>
    </message>
    <message>
        <source>No design file is given.</source>
        <translation>No se indica ningún archivo de diseño.</translation>
    </message>
    <message>
        <source>The output would replace the design %1.</source>
        <translation>La salida sustituiría el diseño %1.</translation>
    </message>
    <message>
        <source>Nothing was done: %1</source>
        <translation>No se hizo nada: %1</translation>
    </message>
    <message>
        <source>With any action, --addresses LIST (a CSV or vCard file) prints a card for each of its addresses in place of the design&apos;s address list.</source>
        <translation>Con cualquier acción, --addresses LISTA (un archivo CSV o vCard) imprime una tarjeta por cada una de sus direcciones en lugar de la lista de direcciones del diseño.</translation>
    </message>
    <message>
        <source>--quality takes fine or as-shown.</source>
        <translation>--quality admite fine o as-shown.</translation>
    </message>
    <message>
        <source>--for-print-shop goes with --export-pdf only.</source>
        <translation>--for-print-shop va solo con --export-pdf.</translation>
    </message>
    <message>
        <source>Usage: %1 (--export-pdf OUT.pdf [--for-print-shop] | --export-png OUT.png | --print) --side SIDE [--quality fine|as-shown] [--printer NAME] [--copies N] [--yes] DESIGN.postcard; --help tells more.</source>
        <translation>Uso: %1 (--export-pdf SALIDA.pdf [--for-print-shop] | --export-png SALIDA.png | --print) --side CARA [--quality fine|as-shown] [--printer NOMBRE] [--copies N] [--yes] DISEÑO.postcard; --help dice más.</translation>
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
        <translation>Uso: %1 [OPCIÓN...] DISEÑO.postcard
Imprime o exporta un diseño de postal sin ventana; un diseño solo lo abre en la ventana.

  --export-pdf SALIDA.pdf --side fronts|backs|both
      las páginas como las hace Imprimir sin impresora, en el papel de la disposición
      (both: los anversos, luego los reversos colocados para el giro de hoja del diseño);
      --for-print-shop: una postal por página a su tamaño real, con un sangrado de
      1/8 de pulgada y marcas de corte
  --export-png SALIDA.png --side front|back
      una postal a la resolución de la hoja (el reverso como «Guardar imagen BMP»)
  --print --side fronts|backs|both [--printer NOMBRE] [--copies N] [--yes]
      imprime en la impresora predeterminada o NOMBRE; both imprime las dos caras de una
      vez en una impresora que pueda; --copies de %2 a %3 sustituye el del diseño;
      --yes imprime aunque el papel corte las postales
  --quality fine|as-shown
      con --export-pdf y --print: fine (predeterminado) dibuja las páginas a la
      resolución de la impresora, el texto como texto; as-shown estira las páginas a 200 ppp
  --help, --version

Estado de salida: 0 hecho, 1 un error (no se escribe nada), 2 uso incorrecto.</translation>
    </message>
    <message>
        <source>There is no layout &quot;%1&quot;; --layout takes %2.</source>
        <translation>No hay ninguna disposición &quot;%1&quot;; --layout acepta %2.</translation>
    </message>
    <message>
        <source>With any action, --layout NAME puts the cards on another layout for one run: &quot;4 A6 on A4&quot; (or a6-on-a4), &quot;Single A6&quot; (single-a6) or one of the four of the window, named in any case. A layout whose paper the printer does not offer prints on the printer&apos;s paper with --yes only.</source>
        <translation>Con cualquier acción, --layout NOMBRE pone las postales en otra disposición para una ejecución: &quot;4 A6 en A4&quot; (o a6-on-a4), &quot;Una A6&quot; (single-a6) o una de las cuatro de la ventana, en mayúsculas o minúsculas. Una disposición cuyo papel no ofrece la impresora se imprime en el papel de la impresora solo con --yes.</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>the setting &quot;%1&quot; is missing</source>
        <translation>falta el ajuste «%1»</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>verdadero o falso</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>a number above %1 and up to %2</source>
        <translation>un número mayor que %1 y hasta %2</translation>
    </message>
    <message>
        <source>a colour written #RRGGBB</source>
        <translation>un color escrito #RRGGBB</translation>
    </message>
    <message>
        <source>a group of settings</source>
        <translation>un grupo de ajustes</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>una lista</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; must be %2</source>
        <translation>el ajuste «%1» debe ser %2</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; must hold %2 styles</source>
        <translation>el ajuste «%1» debe contener %2 estilos</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; must be a group of settings</source>
        <translation>el ajuste «%1» debe ser un grupo de ajustes</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; names no file</source>
        <translation>el ajuste «%1» no nombra ningún archivo</translation>
    </message>
    <message>
        <source>its version is not written as major.minor</source>
        <translation>su versión no está escrita como mayor.menor</translation>
    </message>
    <message>
        <source>its settings cannot be read (%1)</source>
        <translation>sus ajustes no se pueden leer (%1)</translation>
    </message>
    <message>
        <source>its version %1 is unknown</source>
        <translation>su versión %1 es desconocida</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a postcard design of Talmiro Postcard Print, so it cannot be opened as one.</source>
        <translation>El archivo «%1» no es un diseño de postal de Talmiro Postcard Print, así que no se puede abrir como tal.</translation>
    </message>
    <message>
        <source>The design could not be saved: %1.</source>
        <translation>No se pudo guardar el diseño: %1.</translation>
    </message>
    <message>
        <source>The design &quot;%1&quot; cannot be opened: %2. The file is damaged or cut short; nothing was changed.</source>
        <translation>No se puede abrir el diseño «%1»: %2. El archivo está dañado o cortado; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The design &quot;%1&quot; was saved in design format %2 by a newer version of Talmiro Postcard Print; this version reads design format %3. Nothing was changed.</source>
        <translation>El diseño «%1» se guardó en el formato de diseño %2 con una versión más reciente de Talmiro Postcard Print; esta versión lee el formato de diseño %3. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a postcard design: %2 MB.</source>
        <translation>El archivo «%1» es demasiado grande para ser un diseño de postal: %2 MB.</translation>
    </message>
    <message>
        <source>The design &quot;%1&quot; cannot be opened: its picture for %2 cannot be used. %3 Nothing was changed.</source>
        <translation>No se puede abrir el diseño «%1»: su imagen para %2 no se puede usar. %3 No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; holds more than %2 photos</source>
        <translation>el ajuste «%1» contiene más de %2 fotos</translation>
    </message>
    <message>
        <source>The design could not be saved: its pictures take %1 MB, more than the %2 MB a design holds. Choose fewer or smaller photos.</source>
        <translation>No se pudo guardar el diseño: sus imágenes ocupan %1 MB, más de los %2 MB que admite un diseño. Elija menos fotos o fotos más pequeñas.</translation>
    </message>
    <message>
        <source>its layout &quot;%1&quot; is wrong: %2</source>
        <translation>su diseño de hoja &quot;%1&quot; es erróneo: %2</translation>
    </message>
</context>
<context>
    <name>DesignPictures</name>
    <message>
        <source>the lower left corner</source>
        <translation>la esquina inferior izquierda</translation>
    </message>
    <message>
        <source>the postcard front</source>
        <translation>el anverso de la postal</translation>
    </message>
</context>
<context>
    <name>JpegCodec</name>
    <message>
        <source>JPEG error #%1</source>
        <translation>Error JPEG n.º %1</translation>
    </message>
    <message>
        <source>The JPEG file &quot;%1&quot; is not read: decoding its %2 x %3 pixels takes too long (it was stopped in scan %4).</source>
        <translation>El archivo JPEG «%1» no se lee: descodificar sus %2 x %3 píxeles tarda demasiado (se detuvo en el barrido %4).</translation>
    </message>
</context>
<context>
    <name>PagePrint</name>
    <message>
        <source>cards</source>
        <comment>the cut part of the ...</comment>
        <translation>las tarjetas</translation>
    </message>
    <message>
        <source>left card</source>
        <comment>the cut part of the ...</comment>
        <translation>la tarjeta izquierda</translation>
    </message>
    <message>
        <source>right card</source>
        <comment>the cut part of the ...</comment>
        <translation>la tarjeta derecha</translation>
    </message>
    <message>
        <source>upper card</source>
        <comment>the cut part of the ...</comment>
        <translation>la tarjeta superior</translation>
    </message>
    <message>
        <source>lower card</source>
        <comment>the cut part of the ...</comment>
        <translation>la tarjeta inferior</translation>
    </message>
    <message>
        <source>left cards</source>
        <comment>the cut part of the ...</comment>
        <translation>las tarjetas izquierdas</translation>
    </message>
    <message>
        <source>upper cards</source>
        <comment>the cut part of the ...</comment>
        <translation>las tarjetas superiores</translation>
    </message>
    <message>
        <source>right cards</source>
        <comment>the cut part of the ...</comment>
        <translation>las tarjetas derechas</translation>
    </message>
    <message>
        <source>lower cards</source>
        <comment>the cut part of the ...</comment>
        <translation>las tarjetas inferiores</translation>
    </message>
    <message>
        <source>card</source>
        <comment>the cut part of the ...</comment>
        <translation>la tarjeta</translation>
    </message>
    <message>
        <source>4 x 6 in</source>
        <translation>4 x 6 pulg.</translation>
    </message>
    <message>
        <source>the left %1 mm of the %2</source>
        <translation>los %1 mm izquierdos de %2</translation>
    </message>
    <message>
        <source>the top %1 mm of the %2</source>
        <translation>los %1 mm superiores de %2</translation>
    </message>
    <message>
        <source>the right %1 mm of the %2</source>
        <translation>los %1 mm derechos de %2</translation>
    </message>
    <message>
        <source>the bottom %1 mm of the %2</source>
        <translation>los %1 mm inferiores de %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source> are cut</source>
        <translation> quedan cortados</translation>
    </message>
    <message>
        <source> is cut</source>
        <translation> quedan cortados</translation>
    </message>
    <message>
        <source>On this printer&apos;s %1 paper %2 by the margins it cannot print on. Print anyway?</source>
        <translation>En el papel %1 de esta impresora, %2 por los márgenes en los que no puede imprimir. ¿Imprimir de todos modos?</translation>
    </message>
    <message>
        <source>This layout needs %1 paper; on %2 %3. Print anyway?</source>
        <translation>Esta disposición necesita papel %1; en %2, %3. ¿Imprimir de todos modos?</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Reading the picture &quot;%1&quot; was cancelled.</source>
        <translation>Se canceló la lectura de la imagen «%1».</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large: its %2 x %3 pixels need %4 MB to read, and one picture may use at most %5 MB.</source>
        <translation>La imagen «%1» es demasiado grande: sus %2 x %3 píxeles necesitan %4 MB para leerse, y una imagen puede usar como máximo %5 MB.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large: its %2 x %3 pixels take too long to decode.</source>
        <translation>La imagen «%1» es demasiado grande: descodificar sus %2 x %3 píxeles tarda demasiado.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; ends before its picture does; it may have been cut short while copying.</source>
        <translation>El archivo «%1» termina antes que su imagen; quizá se cortó al copiarlo.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged and cannot be read.</source>
        <translation>La imagen «%1» está dañada y no se puede leer.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged in the middle: part of it cannot be decoded.</source>
        <translation>La imagen «%1» está dañada en medio: una parte no se puede descodificar.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is a kind of %2 file this program cannot read (%3).</source>
        <translation>La imagen «%1» es un tipo de archivo %2 que este programa no puede leer (%3).</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>píxeles</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 píxeles</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged: its file holds far more data than its %2 can need.</source>
        <translation>La imagen «%1» está dañada: su archivo contiene muchos más datos de los que sus %2 pueden necesitar.</translation>
    </message>
    <message>
        <source>Not enough memory to read the %1 x %2 picture &quot;%3&quot;.</source>
        <translation>No hay memoria suficiente para leer la imagen «%3» de %1 x %2.</translation>
    </message>
    <message>
        <source>The picture file &quot;%1&quot; is too large: it has %2 MB, and a picture file may have at most %3 MB.</source>
        <translation>El archivo de imagen «%1» es demasiado grande: tiene %2 MB, y un archivo de imagen puede tener como máximo %3 MB.</translation>
    </message>
    <message>
        <source>Not enough memory to read the picture &quot;%1&quot;.</source>
        <translation>No hay memoria suficiente para leer la imagen «%1».</translation>
    </message>
    <message>
        <source>The WebP decoder cannot be used.</source>
        <translation>No se puede usar el descodificador WebP.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read to its end: %2</source>
        <translation>El archivo «%1» no se pudo leer hasta el final: %2</translation>
    </message>
    <message>
        <source>%1 bits a sample</source>
        <translation>%1 bits por muestra</translation>
    </message>
    <message>
        <source>a lossless or hierarchical one</source>
        <translation>sin pérdida o jerárquico</translation>
    </message>
    <message>
        <source>its colours are stored in an unknown way</source>
        <translation>sus colores están guardados de una forma desconocida</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. The picture could not be encoded as JPEG.</source>
        <translation>No se puede crear el archivo «%1». La imagen no se pudo codificar como JPEG.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>The picture &quot;%1&quot; has a width or height of 0 and cannot be used.</source>
        <translation>La imagen «%1» tiene un ancho o un alto de 0 y no se puede usar.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>El archivo «%1» está vacío.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture that can be read. Pictures can be %2.</source>
        <translation>El archivo «%1» no es una imagen que se pueda leer. Las imágenes pueden ser %2.</translation>
    </message>
    <message>
        <source>All pictures (%1)|%1</source>
        <translation>Todas las imágenes (%1)|%1</translation>
    </message>
    <message>
        <source>All files (*)|*</source>
        <translation>Todos los archivos (*)|*</translation>
    </message>
</context>
<context>
    <name>PrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Page of fronts</source>
        <translation>Página de anversos</translation>
    </message>
    <message>
        <source>Page of backs</source>
        <translation>Página de reversos</translation>
    </message>
    <message>
        <source>Backs seen through the sheet, over their fronts</source>
        <translation>Reversos vistos a través de la hoja, sobre sus anversos</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>&amp;Previous Sheet</source>
        <translation>Hoja &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next Sheet</source>
        <translation>Hoja &amp;siguiente</translation>
    </message>
    <message>
        <source>Zoom to &amp;Fit</source>
        <translation>&amp;Ajustar a la ventana</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>Zoom to 100 %</source>
        <translation>Zoom al 100 %</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Paper %1 x %2 mm at %3 dpi; the shaded edge is what the printer cannot reach. Print Quality: %4. Copies: %5.</source>
        <translation>Papel de %1 x %2 mm a %3 ppp; el borde sombreado es lo que la impresora no alcanza. Calidad de impresión: %4. Copias: %5.</translation>
    </message>
    <message>
        <source>As shown</source>
        <translation>Como se ve</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fina</translation>
    </message>
    <message>
        <source>Only the backs print: the card has no front picture yet.</source>
        <translation>Solo se imprimen los reversos: la tarjeta aún no tiene imagen de anverso.</translation>
    </message>
    <message>
        <source>Both sides print in one go, the printer turning the sheet over its %1.</source>
        <translation>Las dos caras se imprimen de una vez; la impresora gira la hoja por su %1.</translation>
    </message>
    <message>
        <source>short edge</source>
        <translation>borde corto</translation>
    </message>
    <message>
        <source>long edge</source>
        <translation>borde largo</translation>
    </message>
    <message>
        <source>The fronts print first; then the sheets go back in turned over %1, and the backs print on them.</source>
        <translation>Primero se imprimen los anversos; luego las hojas vuelven a entrar giradas %1 y se imprimen los reversos en ellas.</translation>
    </message>
    <message>
        <source>like a wall calendar</source>
        <translation>como un calendario de pared</translation>
    </message>
    <message>
        <source>like the page of a book</source>
        <translation>como la página de un libro</translation>
    </message>
    <message>
        <source>The paper or the printer&apos;s margins cut the cards; Print asks first.</source>
        <translation>El papel o los márgenes de la impresora cortan las tarjetas; Imprimir pregunta antes.</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Hoja %1 de %2</translation>
    </message>
</context>
<context>
    <name>PrinterMetrics</name>
    <message>
        <source>The selected printer reports a resolution of %1 x %2 dots per inch and cannot be used. Choose another printer with Printer Setup.</source>
        <translation>La impresora elegida indica una resolución de %1 x %2 puntos por pulgada y no se puede usar. Elija otra impresora con «Configurar impresora».</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Other Paper</source>
        <translation>Otro papel</translation>
    </message>
    <message>
        <source>New layout of your own</source>
        <translation>Nuevo diseño propio</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Diseño:</translation>
    </message>
    <message>
        <source>Your own layout, as your stock has it</source>
        <translation>Su diseño propio, como lo tiene su papel</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Card &amp;width:</source>
        <translation>&amp;Ancho de tarjeta:</translation>
    </message>
    <message>
        <source>Card &amp;height:</source>
        <translation>A&amp;lto de tarjeta:</translation>
    </message>
    <message>
        <source>&amp;Rows:</source>
        <translation>&amp;Filas:</translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation>&amp;Columnas:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papel:</translation>
    </message>
    <message>
        <source>Paper w&amp;idth:</source>
        <translation>A&amp;ncho del papel:</translation>
    </message>
    <message>
        <source>Paper h&amp;eight:</source>
        <translation>Al&amp;to del papel:</translation>
    </message>
    <message>
        <source>Gap &amp;across:</source>
        <translation>&amp;Separación horizontal:</translation>
    </message>
    <message>
        <source>Gap &amp;down:</source>
        <translation>Se&amp;paración vertical:</translation>
    </message>
    <message>
        <source>&amp;Left margin:</source>
        <translation>&amp;Margen izquierdo:</translation>
    </message>
    <message>
        <source>&amp;Top margin:</source>
        <translation>Margen &amp;superior:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Picture preview</source>
        <translation>Vista previa de la imagen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Address List</source>
        <translation>Lista de direcciones</translation>
    </message>
    <message>
        <source>Which columns of &quot;%1&quot; make each line of the address:</source>
        <translation>Qué columnas de «%1» forman cada línea de la dirección:</translation>
    </message>
    <message>
        <source>Line &amp;%1:</source>
        <translation>Línea &amp;%1:</translation>
    </message>
    <message>
        <source>Line %1, part %2</source>
        <translation>Línea %1, parte %2</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(nada)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>&amp;Start at card:</source>
        <translation>&amp;Empezar en la tarjeta:</translation>
    </message>
    <message>
        <source>(no record has an address in these columns)</source>
        <translation>(ningún registro tiene dirección en estas columnas)</translation>
    </message>
</context>
<context>
    <name>QtPrinterDevice</name>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed, so nothing was printed. Choose a printer with Printer Setup.</source>
        <translation>La impresora «%1» ya no está instalada, así que no se imprimió nada. Elija una impresora con «Configurar impresora».</translation>
    </message>
    <message>
        <source>The printing service cannot be reached, so nothing was printed on &quot;%1&quot;. Start it again, or choose another printer with Printer Setup.</source>
        <translation>No se puede contactar con el servicio de impresión, así que no se imprimió nada en «%1». Vuelva a iniciarlo o elija otra impresora con «Configurar impresora».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed. Let it accept jobs again, or choose another printer with Printer Setup.</source>
        <translation>La impresora «%1» no acepta trabajos, así que no se imprimió nada. Haga que vuelva a aceptarlos o elija otra impresora con «Configurar impresora».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the page (%2), so nothing was printed.</source>
        <translation>La impresora «%1» no aceptó la página (%2), así que no se imprimió nada.</translation>
    </message>
    <message>
        <source>No file is named for the PDF output, so nothing was printed. Name one with Printer Setup.</source>
        <translation>No hay ningún archivo indicado para la salida PDF, así que no se imprimió nada. Indique uno con «Configurar impresora».</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written: its folder does not exist.</source>
        <translation>No se pudo escribir el archivo PDF «%1»: su carpeta no existe.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be started.</source>
        <translation>No se pudo empezar el archivo PDF «%1».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the page.</source>
        <translation>La impresora «%1» no pudo empezar la página.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the next page.</source>
        <translation>La impresora «%1» no pudo empezar la página siguiente.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer &quot;%1&quot;.</source>
        <translation>No se pudo enviar la página a la impresora «%1».</translation>
    </message>
    <message>
        <source>No printer is installed, so the page was saved as the PDF file &quot;%1&quot;.</source>
        <translation>No hay ninguna impresora instalada, así que la página se guardó como el archivo PDF «%1».</translation>
    </message>
    <message>
        <source>The page was saved as the PDF file &quot;%1&quot;.</source>
        <translation>La página se guardó como el archivo PDF «%1».</translation>
    </message>
    <message>
        <source> Print %1 copies of it.</source>
        <translation> Imprima %1 copias.</translation>
    </message>
    <message>
        <source>No printer is installed and the page could not be saved, so nothing was printed. </source>
        <translation>No hay ninguna impresora instalada y no se pudo guardar la página, así que no se imprimió nada. </translation>
    </message>
    <message>
        <source>The page could not be saved as the PDF file, so nothing was printed. </source>
        <translation>No se pudo guardar la página como archivo PDF, así que no se imprimió nada. </translation>
    </message>
    <message>
        <source>The PDF output for &quot;%1&quot; came out incomplete.</source>
        <translation>La salida PDF para «%1» quedó incompleta.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; held %2 of its %3 bytes when read back, so it was removed.</source>
        <translation>Al releerlo, el archivo PDF «%1» tenía %2 de sus %3 bytes, así que se eliminó.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed.</source>
        <translation>No hay ninguna impresora instalada, así que no se imprimió nada.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not installed, so nothing was printed.</source>
        <translation>La impresora «%1» no está instalada, así que no se imprimió nada.</translation>
    </message>
    <message>
        <source>The PDF file could not be made, so nothing was saved. </source>
        <translation>No se pudo crear el archivo PDF, así que no se guardó nada. </translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <source>A card of %1 x %2 mm cannot be drawn: cards are from 5 x 3.5 inches (127 x 88.9 mm) to A5 (210 x 148 mm), the width being the long side.</source>
        <translation>No se puede dibujar una tarjeta de %1 x %2 mm: las tarjetas van de 5 x 3,5 pulgadas (127 x 88,9 mm) a A5 (210 x 148 mm), siendo el ancho el lado largo.</translation>
    </message>
    <message>
        <source>Portrait - Portrait</source>
        <translation>Vertical - Vertical</translation>
    </message>
    <message>
        <source>Landscape-Landscape</source>
        <translation>Horizontal - Horizontal</translation>
    </message>
    <message>
        <source>Single on 4x6 paper</source>
        <translation>Una en papel 4x6</translation>
    </message>
    <message>
        <source>4 on Sheet</source>
        <translation>4 por hoja</translation>
    </message>
    <message>
        <source>4 A6 on A4</source>
        <translation>4 A6 en A4</translation>
    </message>
    <message>
        <source>Single A6</source>
        <translation>Una A6</translation>
    </message>
    <message>
        <source>A layout of your own needs a name.</source>
        <translation>Un diseño propio necesita un nombre.</translation>
    </message>
    <message>
        <source>A layout has from 1 to %1 rows and columns.</source>
        <translation>Un diseño tiene de 1 a %1 filas y columnas.</translation>
    </message>
    <message>
        <source>The cards, their gaps and the margins (%1 x %2 mm) do not fit on the paper of %3 x %4 mm.</source>
        <translation>Las tarjetas, sus separaciones y los márgenes (%1 x %2 mm) no caben en el papel de %3 x %4 mm.</translation>
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
        <translation>Páginas de postales</translation>
    </message>
    <message>
        <source>Postcard Back</source>
        <translation>Reverso</translation>
    </message>
    <message>
        <source>Displays how the card will be printed.</source>
        <translation>Muestra cómo se imprimirá la tarjeta.</translation>
    </message>
    <message>
        <source>Each card is displayed while printing.</source>
        <translation>Cada tarjeta se muestra mientras se imprime.</translation>
    </message>
    <message>
        <source>Postcard Back preview</source>
        <translation>Vista previa del reverso</translation>
    </message>
    <message>
        <source>Text/Image</source>
        <translation>Texto/Imagen</translation>
    </message>
    <message>
        <source>Enter your text, select an image if you want to use one, and decide what areas you want to print.</source>
        <translation>Escriba su texto, elija una imagen si quiere usar una y decida qué zonas imprimir.</translation>
    </message>
    <message>
        <source>Title Text</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Descriptive Text</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Vertical Text</source>
        <translation>Texto vertical</translation>
    </message>
    <message>
        <source>Lower Left Text</source>
        <translation>Texto abajo izq.</translation>
    </message>
    <message>
        <source>Stamp Text</source>
        <translation>Texto del sello</translation>
    </message>
    <message>
        <source>Postal Bar Code Area Text</source>
        <translation>Texto zona de código</translation>
    </message>
    <message>
        <source>Image (right click menu)</source>
        <translation>Imagen (menú: clic der.)</translation>
    </message>
    <message>
        <source>PostCard Text</source>
        <translation>Texto «Postal»</translation>
    </message>
    <message>
        <source>Name and Address Text:</source>
        <translation>Nombre y dirección:</translation>
    </message>
    <message>
        <source>Image will be used to print in lower left corner of card back.  Right click for popup menu.</source>
        <translation>La imagen se imprimirá en la esquina inferior izquierda del reverso. Clic derecho para el menú.</translation>
    </message>
    <message>
        <source>Title of postcard, by default will print bold.</source>
        <translation>Título de la postal; por defecto se imprime en negrita.</translation>
    </message>
    <message>
        <source>TITLE TEXT</source>
        <translation>TÍTULO</translation>
    </message>
    <message>
        <source>A short description for your postcard.</source>
        <translation>Una breve descripción de su postal.</translation>
    </message>
    <message>
        <source>Will print vertical in the center of the postcard to seperate the letter section from the address section.  May use this text, solid lines or nothing.</source>
        <translation>Se imprime en vertical en el centro de la postal para separar la parte del mensaje de la parte de la dirección. Puede ser este texto, una línea continua o nada.</translation>
    </message>
    <message>
        <source>CreatedBy Text (Vertical Text)</source>
        <translation>Creado por (texto vertical)</translation>
    </message>
    <message>
        <source>This text will print in the area where the stamp is placed when mailing.  If you do not want any text there, clear the current text.</source>
        <translation>Este texto se imprime donde se pega el sello al enviarla. Si no quiere ningún texto ahí, bórrelo.</translation>
    </message>
    <message>
        <source>PLACE

STAMP

HERE</source>
        <translation>PONER

SELLO

AQUÍ</translation>
    </message>
    <message>
        <source>Selects how the address area will be printed, nothing or lines or the text that is entered int eh Name and Address Text.</source>
        <translation>Elige cómo se imprime la zona de la dirección: nada, líneas o el texto escrito en «Nombre y dirección».</translation>
    </message>
    <message>
        <source>Address Lines</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>No lines</source>
        <translation>Sin líneas</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Selects what is used, if anythng, between the letter area and the address area of the postcard.</source>
        <translation>Elige qué se pone, si algo, entre la zona del mensaje y la zona de la dirección.</translation>
    </message>
    <message>
        <source>Address Seperator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Thin line</source>
        <translation>Línea fina</translation>
    </message>
    <message>
        <source>Heavy line</source>
        <translation>Línea gruesa</translation>
    </message>
    <message>
        <source>Selects what kind of a border, if any will be drawn around the text in the postage stamp area.</source>
        <translation>Elige qué borde, si alguno, se dibuja alrededor del texto en la zona del sello.</translation>
    </message>
    <message>
        <source>Stamp Border</source>
        <translation>Borde del sello</translation>
    </message>
    <message>
        <source>Thin box</source>
        <translation>Fino</translation>
    </message>
    <message>
        <source>Thick box</source>
        <translation>Grueso</translation>
    </message>
    <message>
        <source>Stamp </source>
        <translation>Dentado </translation>
    </message>
    <message>
        <source>If &quot;yes&quot; will print the box on the card which shows were the post office requires you to leave blank for the post office bar code.</source>
        <translation>Si es «Sí», imprime el recuadro que Correos pide dejar en blanco para su código de barras.</translation>
    </message>
    <message>
        <source>Postal Bar Code Box</source>
        <translation>Zona de código</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>If selected and text entered will print in the lower left corner instead of an image.</source>
        <translation>Si se elige y se escribe, este texto se imprime abajo a la izquierda en lugar de una imagen.</translation>
    </message>
    <message>
        <source>Selects what is printed in the lower left corner if anything.</source>
        <translation>Elige qué se imprime en la esquina inferior izquierda, si algo.</translation>
    </message>
    <message>
        <source>Lower Left Corner</source>
        <translation>Esquina inf. izq.</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Text to identify the post office bar code area as a do not write area.</source>
        <translation>Texto que señala la zona del código de barras de Correos como zona donde no escribir.</translation>
    </message>
    <message>
        <source>PLEASE DO NOT WRITE BELOW THIS LINE</source>
        <translation>NO ESCRIBA DEBAJO DE ESTA LÍNEA</translation>
    </message>
    <message>
        <source>This text will print just to the left of the stamp area.</source>
        <translation>Este texto se imprime justo a la izquierda de la zona del sello.</translation>
    </message>
    <message>
        <source>PostCard</source>
        <translation>Postal</translation>
    </message>
    <message>
        <source>Selects if the PostCard Text will print or not.</source>
        <translation>Elige si se imprime o no el texto «Postal».</translation>
    </message>
    <message>
        <source>Enter a name and address in this area if you want to pre-address the postcards.</source>
        <translation>Escriba aquí un nombre y una dirección si quiere imprimir las postales ya con la dirección.</translation>
    </message>
    <message>
        <source>PostCard Front</source>
        <translation>Anverso</translation>
    </message>
    <message>
        <source>Enter Text for PostCard Front:</source>
        <translation>Texto del anverso:</translation>
    </message>
    <message>
        <source>PostCard Front Image (right click for menu)</source>
        <translation>Imagen del anverso (menú: clic derecho)</translation>
    </message>
    <message>
        <source>Image Size (% of Orginal)</source>
        <translation>Tamaño (% del original)</translation>
    </message>
    <message>
        <source>ImageOffset (%)</source>
        <translation>Desplazamiento (%)</translation>
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
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Front Text Picker</source>
        <translation>Texto del anverso</translation>
    </message>
    <message>
        <source>Current Position/Color</source>
        <translation>Posición/color actual</translation>
    </message>
    <message>
        <source>Pick New Position with Cursor</source>
        <translation>Elegir posición con clic</translation>
    </message>
    <message>
        <source>Pick New Font Color with Cursor</source>
        <translation>Elegir color con clic</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About sample</source>
        <translation>Postal de ejemplo</translation>
    </message>
    <message>
        <source>Click to start designing your postcard backs.</source>
        <translation>Haga clic para empezar a diseñar los reversos de sus postales.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>End program.</source>
        <translation>Salir del programa.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Talmiro Postcard Print

Design the back of your postcards here: title, description, stamp box, address area and a picture or text in the lower left corner.

Put a photo on the front, scale it, shift it and letter it by clicking on the preview.

Print the fronts, turn the sheet over, and print the backs on the reverse.

Press Continue to begin.</source>
        <translation>Talmiro Postcard Print

Diseñe aquí el reverso: título, descripción, sello, dirección y una imagen o un texto abajo a la izquierda.

Ponga una foto en el anverso, escálela, muévala y rotúlela con un clic en la vista previa.

Imprima los anversos, dé la vuelta a la hoja e imprima los reversos.

Pulse «Continuar» para empezar.</translation>
    </message>
    <message>
        <source>About Talmiro Postcard Print</source>
        <translation>Acerca de Talmiro Postcard Print</translation>
    </message>
    <message>
        <source>Portrait - Portrait</source>
        <translation>Vertical - Vertical</translation>
    </message>
    <message>
        <source>Landscape-Landscape</source>
        <translation>Horizontal - Horizontal</translation>
    </message>
    <message>
        <source>Single on 4x6 paper</source>
        <translation>Una en papel 4x6</translation>
    </message>
    <message>
        <source>4 on Sheet</source>
        <translation>4 por hoja</translation>
    </message>
    <message>
        <source>Sample corner picture</source>
        <translation>Imagen de esquina de ejemplo</translation>
    </message>
    <message>
        <source>Print and Text Setup</source>
        <translation>Impresión y texto</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Select printer, and paper size.</source>
        <translation>Elegir la impresora y el tamaño del papel.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Will print the page of postcard backs to selected printer.</source>
        <translation>Imprime la página de reversos de postales en la impresora elegida.</translation>
    </message>
    <message>
        <source>The number of copies of each page printed.</source>
        <translation>El número de copias impresas de cada página.</translation>
    </message>
    <message>
        <source>Number of Copies</source>
        <translation>Copias</translation>
    </message>
    <message>
        <source>If the backs of the postcards don&apos;t line up, this moves the back of the postcard to the right if a positive number, to the left if negative; 25 is an 1/8 in.</source>
        <translation>Si los reversos no coinciden, esto mueve el reverso a la derecha con un número positivo o a la izquierda con uno negativo; 25 es 1/8 de pulgada (3 mm).</translation>
    </message>
    <message>
        <source>Print Image Adj</source>
        <translation>Ajuste lateral</translation>
    </message>
    <message>
        <source>If the backs of the postcards don&apos;t line up, this moves the back of the postcard down if a positive number, up if negative; 25 is an 1/8 in.</source>
        <translation>Si los reversos no coinciden, esto mueve el reverso hacia abajo con un número positivo o hacia arriba con uno negativo; 25 es 1/8 de pulgada (3 mm).</translation>
    </message>
    <message>
        <source>Print Adj Down</source>
        <translation>Ajuste vertical</translation>
    </message>
    <message>
        <source>The number of copies of each page printed, for example Old Maid is should be 2 so that pairs of cards will be created.</source>
        <translation>El número de copias de cada página; para un juego de parejas, por ejemplo, 2, para que salgan pares de cartas.</translation>
    </message>
    <message>
        <source>Selects how the postcards are printed so the backs and fronts line up.  Use the &quot;Velloro&quot; cd default paper orientation to print the postcard fronts for best results.  Single in landscape prints one postcard back on the back of a 4x6 print.  And 4 on Sheet will print 4 4.25X5.5 inch postcard backs on one sheet.</source>
        <translation>Elige cómo se imprimen las postales para que reversos y anversos coincidan. Para mejores resultados, imprima los anversos con la orientación de papel predeterminada del CD «Velloro». «Una en papel 4x6» imprime un reverso detrás de una foto 4x6. «4 por hoja» imprime 4 reversos de 4,25 x 5,5 pulgadas en una hoja.</translation>
    </message>
    <message>
        <source>Post Card Back Layout</source>
        <translation>Disposición</translation>
    </message>
    <message>
        <source>Selects how you turn the printed sheet of fronts over before the backs are printed on it: Book, like the page of a book (left and right change places, the top stays at the top), or Calendar, like a wall calendar (top and bottom change places).  Either way each back prints head to head behind its front.</source>
        <translation>Elige cómo da la vuelta a la hoja de anversos antes de imprimir los reversos: Libro, como la página de un libro (izquierda y derecha se intercambian, arriba sigue arriba), o Bloc, como un bloc de notas o un calendario de pared (arriba y abajo se intercambian). En ambos casos cada reverso se imprime derecho detrás de su anverso.</translation>
    </message>
    <message>
        <source>Sheet Turn</source>
        <translation>Giro de hoja</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Bloc</translation>
    </message>
    <message>
        <source>Ends Program</source>
        <translation>Cierra el programa</translation>
    </message>
    <message>
        <source>Shows how your postcard backs will print on the paper.</source>
        <translation>Muestra cómo se imprimirán los reversos en el papel.</translation>
    </message>
    <message>
        <source>Layout picture</source>
        <translation>Imagen de la disposición</translation>
    </message>
    <message>
        <source>Text Setup</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Use to change the font name, size an color for each area of the postcard back.</source>
        <translation>Sirve para cambiar la fuente, el tamaño y el color de cada zona del reverso.</translation>
    </message>
    <message>
        <source>Check the areas you want to change.</source>
        <translation>Marque las zonas que quiere cambiar.</translation>
    </message>
    <message>
        <source>Select Text Areas</source>
        <translation>Zonas</translation>
    </message>
    <message>
        <source>Stamp Border/Text</source>
        <translation>Borde/texto sello</translation>
    </message>
    <message>
        <source>Address Lines/Text</source>
        <translation>Líneas/texto direcc.</translation>
    </message>
    <message>
        <source>Postal Bar Code</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>UnSelect All</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Display font dialog window so you can select font, style and size.</source>
        <translation>Abre la ventana de fuentes para elegir la fuente, el estilo y el tamaño.</translation>
    </message>
    <message>
        <source>Display color dialog window so you can color to print the text in or to draw the lines.</source>
        <translation>Abre la ventana de colores para elegir el color del texto o de las líneas.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>If &quot;Lines&quot; is selected will print 5 lines in the address area of the postcard to help in addressing.  Otherwise no lines will print.</source>
        <translation>Con «Líneas» se imprimen 5 líneas en la zona de la dirección como ayuda para escribirla. Si no, no se imprime ninguna línea.</translation>
    </message>
    <message>
        <source>Open Design...</source>
        <translation>Abrir diseño...</translation>
    </message>
    <message>
        <source>Select a design file saved before, to go on with its card: the texts, fonts, colors, pictures and print settings.</source>
        <translation>Elija un diseño guardado antes para seguir con su postal: textos, fuentes, colores, imágenes y ajustes de impresión.</translation>
    </message>
    <message>
        <source>Save Design</source>
        <translation>Guardar diseño</translation>
    </message>
    <message>
        <source>Save the design of the card, pictures included, in its design file so that nothing is lost when the program ends.</source>
        <translation>Guarda el diseño de la postal, con las imágenes, en su archivo de diseño para que no se pierda nada al salir del programa.</translation>
    </message>
    <message>
        <source>Save Design As...</source>
        <translation>Guardar diseño como...</translation>
    </message>
    <message>
        <source>Select a file to save the design of the card in, pictures included.</source>
        <translation>Elija un archivo en el que guardar el diseño de la postal, con las imágenes.</translation>
    </message>
    <message>
        <source>Save Image BitMap...</source>
        <translation>Guardar imagen BMP...</translation>
    </message>
    <message>
        <source>Select a file to save the card back image as a bitmap.</source>
        <translation>Elija un archivo en el que guardar el reverso como mapa de bits.</translation>
    </message>
    <message>
        <source>Save Image jpg...</source>
        <translation>Guardar imagen JPG...</translation>
    </message>
    <message>
        <source>Select a file to save the card back image as a jpg.</source>
        <translation>Elija un archivo en el que guardar el reverso como JPG.</translation>
    </message>
    <message>
        <source>Print Both Sides</source>
        <translation>Imprimir a doble cara</translation>
    </message>
    <message>
        <source>Alignment Test...</source>
        <translation>Prueba de alineación...</translation>
    </message>
    <message>
        <source>Prints a test page of fronts with fine scales and then, after you turn the sheet over as the Sheet Turn says, a test page of backs with pointers: the number under each pointer is the value for Print Image Adj or Print Adj Down.</source>
        <translation>Imprime una página de prueba de anversos con escalas finas y luego, tras dar la vuelta a la hoja como indica «Giro de hoja», una página de prueba de reversos con indicadores: el número bajo cada indicador es el valor de «Ajuste lateral» o «Ajuste vertical».</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Open Image...</source>
        <translation>Abrir imagen...</translation>
    </message>
    <message>
        <source>Select the image to be used on the lower left corner of the postcard back.</source>
        <translation>Elija la imagen de la esquina inferior izquierda del reverso.</translation>
    </message>
    <message>
        <source>Delete Image</source>
        <translation>Quitar imagen</translation>
    </message>
    <message>
        <source>Deletes the image from the card back.</source>
        <translation>Quita la imagen del reverso.</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Will print the page of postcard fronts to selected printer.</source>
        <translation>Imprime la página de anversos de postales en la impresora elegida.</translation>
    </message>
    <message>
        <source>No printer is installed: will save the page of postcard backs as a PDF file in the folder &quot;%1&quot;.</source>
        <translation>No hay impresora instalada: guarda la página de reversos como archivo PDF en la carpeta «%1».</translation>
    </message>
    <message>
        <source>No printer is installed: will save the page of postcard fronts as a PDF file in the folder &quot;%1&quot;.</source>
        <translation>No hay impresora instalada: guarda la página de anversos como archivo PDF en la carpeta «%1».</translation>
    </message>
    <message>
        <source>No printer installed: Print saves a PDF file in %1</source>
        <translation>Sin impresora: Imprimir guarda un PDF en %1</translation>
    </message>
    <message>
        <source>Talmiro Inc. - postcards from your own printer</source>
        <translation>Talmiro Inc. - postales desde su impresora</translation>
    </message>
    <message>
        <source>Version %1 %2</source>
        <translation>Versión %1 %2</translation>
    </message>
    <message>
        <source>Open an image for Front of PostCard</source>
        <translation>Abrir una imagen para el anverso</translation>
    </message>
    <message>
        <source>Postcard Designs (*.%1)|*.%1</source>
        <translation>Diseños de postales (*.%1)|*.%1</translation>
    </message>
    <message>
        <source>Save PostCard Back as BitMap</source>
        <translation>Guardar reverso como mapa de bits</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)|*.bmp</source>
        <translation>Mapas de bits (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>The work folder &quot;%1&quot; could not be created, so pages cannot be printed until it can.</source>
        <translation>No se pudo crear la carpeta de trabajo «%1», así que no se pueden imprimir páginas hasta que se pueda.</translation>
    </message>
    <message>
        <source>Talmiro Postcard Print opens one design at a time; %1 files were named on its command line.</source>
        <translation>Talmiro Postcard Print abre un diseño cada vez; en la línea de órdenes se indicaron %1 archivos.</translation>
    </message>
    <message>
        <source>End Program?</source>
        <translation>¿Salir del programa?</translation>
    </message>
    <message>
        <source>Are you sure you want to end program?</source>
        <translation>¿Seguro que quiere salir del programa?</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before the program ends?</source>
        <translation>El diseño tiene cambios sin guardar. ¿Guardarlos antes de salir?</translation>
    </message>
    <message>
        <source>Opening the picture &quot;%1&quot;...</source>
        <translation>Abriendo la imagen «%1»...</translation>
    </message>
    <message>
        <source>Open Design</source>
        <translation>Abrir diseño</translation>
    </message>
    <message>
        <source>Save Design As</source>
        <translation>Guardar diseño como</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before another design is opened?</source>
        <translation>El diseño tiene cambios sin guardar. ¿Guardarlos antes de abrir otro diseño?</translation>
    </message>
    <message>
        <source>Opening the design &quot;%1&quot;...</source>
        <translation>Abriendo el diseño «%1»...</translation>
    </message>
    <message>
        <source>Open the design saved in %1.</source>
        <translation>Abrir el diseño guardado en %1.</translation>
    </message>
    <message>
        <source>Cards Cut Off</source>
        <translation>Tarjetas cortadas</translation>
    </message>
    <message>
        <source>Alignment Test</source>
        <translation>Prueba de alineación</translation>
    </message>
    <message>
        <source>Prints the fronts and, on the back of the same sheet, the backs in one go; the printer turns the sheet over its %1, as set in Printer Setup.  Number of Copies counts sheets.</source>
        <translation>Imprime de una vez los anversos y, detrás de la misma hoja, los reversos; la impresora da la vuelta a la hoja por su %1, como se ajustó en «Impresora». «Copias» cuenta hojas.</translation>
    </message>
    <message>
        <source>No printer is installed, so this is not available: Print saves the fronts and the backs each as a PDF file of its own.</source>
        <translation>No hay ninguna impresora instalada, así que esto no está disponible: Imprimir guarda los anversos y los reversos cada uno en su propio archivo PDF.</translation>
    </message>
    <message>
        <source>short edge</source>
        <translation>borde corto</translation>
    </message>
    <message>
        <source>long edge</source>
        <translation>borde largo</translation>
    </message>
    <message>
        <source>File name to save sheet of postcard backs, as a bitmap.</source>
        <translation>Nombre del archivo para guardar los reversos como mapa de bits.</translation>
    </message>
    <message>
        <source>File name to save sheet of postcard backs, as a jpg.</source>
        <translation>Nombre del archivo para guardar los reversos como JPG.</translation>
    </message>
    <message>
        <source>Jpg (*.jpg)|*.jpg</source>
        <translation>Imágenes JPG (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>Image not saved. No name entered for image.</source>
        <translation>Imagen no guardada. No se escribió ningún nombre.</translation>
    </message>
    <message>
        <source>Corner Picture</source>
        <translation>Imagen de la esquina</translation>
    </message>
    <message>
        <source>Delete Corner Picture</source>
        <translation>Quitar la imagen de la esquina</translation>
    </message>
    <message>
        <source>Typing in %1</source>
        <translation>Escritura en %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Takes back the last change of the card.</source>
        <translation>Deshace el último cambio de la postal.</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Makes again the change last taken back.</source>
        <translation>Vuelve a hacer el último cambio deshecho.</translation>
    </message>
    <message>
        <source>Front Picture</source>
        <translation>Imagen del anverso</translation>
    </message>
    <message>
        <source>Delete Front Picture</source>
        <translation>Quitar la imagen del anverso</translation>
    </message>
    <message>
        <source>Front Font</source>
        <translation>Fuente del anverso</translation>
    </message>
    <message>
        <source>Front Text Color</source>
        <translation>Color del texto del anverso</translation>
    </message>
    <message>
        <source>Front Text Place</source>
        <translation>Lugar del texto del anverso</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>No Post Card Back Layout is chosen, so nothing was printed. Choose one and print again.</source>
        <translation>No se ha elegido ninguna disposición, así que no se imprimió nada. Elija una y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>There is no picture for the postcard front yet, so nothing was printed. Click the front preview to open a picture, then print again.</source>
        <translation>El anverso aún no tiene imagen, así que no se imprimió nada. Haga clic en la vista previa del anverso para abrir una imagen y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>This printer cannot print both sides of a sheet, so this is not available: print the fronts, turn the sheet over and print the backs, or choose a printer that prints both sides with Printer Setup.</source>
        <translation>Esta impresora no imprime a doble cara, así que esto no está disponible: imprima los anversos, dé la vuelta a la hoja e imprima los reversos, o elija con «Impresora» una que imprima a doble cara.</translation>
    </message>
    <message>
        <source>&amp;Address List...</source>
        <translation>&amp;Lista de direcciones...</translation>
    </message>
    <message>
        <source>Prints a card for each address of a CSV or vCard list.|Opens a list of addresses (CSV or vCard); the Address Lines item &quot;Text&quot; then prints each address on a card of its own.</source>
        <translation>Imprime una tarjeta por cada dirección de una lista CSV o vCard.|Abre una lista de direcciones (CSV o vCard); la opción «Text» de Address Lines imprime entonces cada dirección en su propia tarjeta.</translation>
    </message>
    <message>
        <source>&amp;Remove Address List</source>
        <translation>&amp;Quitar la lista de direcciones</translation>
    </message>
    <message>
        <source>Prints the typed address again instead of the list.</source>
        <translation>Vuelve a imprimir la dirección escrita en lugar de la lista.</translation>
    </message>
    <message>
        <source>Previous address</source>
        <translation>Dirección anterior</translation>
    </message>
    <message>
        <source>Next address</source>
        <translation>Dirección siguiente</translation>
    </message>
    <message>
        <source>Address List</source>
        <translation>Lista de direcciones</translation>
    </message>
    <message>
        <source>Address lists (*.csv;*.vcf;*.txt;*.tsv)|*.csv;*.vcf;*.txt;*.tsv|All files (*)|*</source>
        <translation>Listas de direcciones (*.csv;*.vcf;*.txt;*.tsv)|*.csv;*.vcf;*.txt;*.tsv|Todos los archivos (*)|*</translation>
    </message>
    <message>
        <source>; its text is not UTF-8 and was read as Windows-1252</source>
        <translation>; su texto no es UTF-8 y se leyó como Windows-1252</translation>
    </message>
    <message>
        <source>Remove Address List</source>
        <translation>Quitar la lista de direcciones</translation>
    </message>
    <message>
        <source>Address %1 of %2</source>
        <translation>Dirección %1 de %2</translation>
    </message>
    <message>
        <source>Printing %1 sheets...</source>
        <translation>Imprimiendo %1 hojas...</translation>
    </message>
    <message>
        <source>Printing was cancelled: %1 of %2 sheets went to the printer.</source>
        <translation>Se canceló la impresión: %1 de %2 hojas fueron a la impresora.</translation>
    </message>
    <message>
        <source>None of the address list&apos;s addresses has more than a name in the columns chosen, so nothing was printed. Choose the columns with Files &gt; Address List... and print again.</source>
        <translation>Ninguna dirección de la lista tiene más que un nombre en las columnas elegidas, así que no se imprimió nada. Elija las columnas con Files &gt; Address List... e imprima de nuevo.</translation>
    </message>
    <message>
        <source>Addresses from &quot;%1&quot;: %2</source>
        <translation>Direcciones de «%1»: %2</translation>
    </message>
    <message>
        <source>Left out of the list, without an address: %1 contacts.</source>
        <translation>Omitidos de la lista, sin dirección: %1 contactos.</translation>
    </message>
    <message>
        <source>Fine draws each page for the printer at its own resolution: sharp text and lines, photos at their own detail. As shown prints the page as the previews show it, 200 dots per inch stretched to the printer.</source>
        <translation>Fina dibuja cada página para la impresora a su propia resolución: texto y líneas nítidos, fotos con su propio detalle. Como se ve imprime la página como la muestran las vistas previas, a 200 puntos por pulgada estirados a la impresora.</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fina</translation>
    </message>
    <message>
        <source>As
shown</source>
        <translation>Como
se ve</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Exportar PDF...</translation>
    </message>
    <message>
        <source>Saves the card for a print shop as a PDF file: one card a page at its real size, its text as text and its photos at their own detail, with a bleed and crop marks if you wish.</source>
        <translation>Guarda la postal para una imprenta como archivo PDF: una postal por página a su tamaño real, su texto como texto y sus fotos con su propio detalle, con sangrado y marcas de corte si lo desea.</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>Calidad de impresión</translation>
    </message>
    <message>
        <source>Export PDF for a print shop</source>
        <translation>Exportar PDF para una imprenta</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation>Archivos PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Add a bleed of 1/8 inch (3 mm), the front picture reaching past the card&apos;s edges, and crop marks where the card is cut?</source>
        <translation>¿Añadir un sangrado de 1/8 de pulgada (3 mm), con la imagen del anverso pasando los bordes de la postal, y marcas de corte donde se corta la postal?</translation>
    </message>
    <message>
        <source>The card was saved as the PDF file &quot;%1&quot;, one card a page at its real size.</source>
        <translation>La postal se guardó como el archivo PDF «%1», una postal por página a su tamaño real.</translation>
    </message>
    <message>
        <source>Previous photo</source>
        <translation>Foto anterior</translation>
    </message>
    <message>
        <source>Next photo</source>
        <translation>Foto siguiente</translation>
    </message>
    <message>
        <source>At most %1 photos make a run of cards, and %2 were chosen, so the front is unchanged. Choose fewer photos.</source>
        <translation>Una serie de tarjetas admite como máximo %1 fotos y se eligieron %2, así que el anverso no cambia. Elija menos fotos.</translation>
    </message>
    <message>
        <source>Front Pictures</source>
        <translation>Imágenes del anverso</translation>
    </message>
    <message>
        <source>Photo %1 of %2</source>
        <translation>Foto %1 de %2</translation>
    </message>
    <message>
        <source>Other paper</source>
        <translation>Otro papel</translation>
    </message>
    <message>
        <source>Chooses 4 A6 cards on A4, a single A6 card, or a layout of your own for your stock.</source>
        <translation>Elige 4 tarjetas A6 en A4, una sola tarjeta A6 o un diseño propio para su papel.</translation>
    </message>
    <message>
        <source>The fronts are printed. %1

Put the sheets back into the paper tray so that their blank side will be printed, turned over as the preview shows. Print the backs on them now?</source>
        <translation>Los anversos están impresos. %1

Vuelva a poner las hojas en la bandeja de papel de modo que se imprima su cara en blanco, giradas como muestra la vista previa. ¿Imprimir ahora los reversos en ellas?</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>Shows the sheets as the printer will get them: the fronts, the backs and the backs seen through the sheet, on the printer&apos;s paper in the chosen quality.</source>
        <translation>Muestra las hojas tal como las recibirá la impresora: los anversos, los reversos y los reversos vistos a través de la hoja, en el papel de la impresora con la calidad elegida.</translation>
    </message>
    <message>
        <source>Other &amp;Paper...</source>
        <translation>Otro &amp;papel...</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
</context>
</TS>
