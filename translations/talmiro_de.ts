<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Picture preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Talmiro Postcard Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postcard pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postcard Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays how the card will be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each card is displayed while printing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postcard Back preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text/Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your text, select an image if you want to use one, and decide what areas you want to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descriptive Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Left Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamp Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postal Bar Code Area Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image (right click menu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PostCard Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name and Address Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image will be used to print in lower left corner of card back.  Right click for popup menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title of postcard, by default will print bold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TITLE TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A short description for your postcard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will print vertical in the center of the postcard to seperate the letter section from the address section.  May use this text, solid lines or nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CreatedBy Text (Vertical Text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This text will print in the area where the stamp is placed when mailing.  If you do not want any text there, clear the current text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLACE

STAMP

HERE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selects how the address area will be printed, nothing or lines or the text that is entered int eh Name and Address Text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selects what is used, if anythng, between the letter area and the address area of the postcard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address Seperator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thin line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heavy line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selects what kind of a border, if any will be drawn around the text in the postage stamp area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamp Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thin box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thick box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamp </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If &quot;yes&quot; will print the box on the card which shows were the post office requires you to leave blank for the post office bar code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postal Bar Code Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If selected and text entered will print in the lower left corner instead of an image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selects what is printed in the lower left corner if anything.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Left Corner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to identify the post office bar code area as a do not write area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLEASE DO NOT WRITE BELOW THIS LINE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This text will print just to the left of the stamp area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PostCard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selects if the PostCard Text will print or not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a name and address in this area if you want to pre-address the postcards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PostCard Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Text for PostCard Front:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PostCard Front Image (right click for menu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Size (% of Orginal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ImageOffset (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horiziontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front Text Picker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Position/Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick New Position with Cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick New Font Color with Cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to start designing your postcard backs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talmiro Postcard Print

Design the back of your postcards here: title, description, stamp box, address area and a picture or text in the lower left corner.

Put a photo on the front, scale it, shift it and letter it by clicking on the preview.

Print the fronts, turn the sheet over, and print the backs on the reverse.

Press Continue to begin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Talmiro Postcard Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portrait - Portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape-Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single on 4x6 paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 on Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample corner picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print and Text Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select printer, and paper size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will print the page of postcard backs to selected printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of copies of each page printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the backs of the postcards don&apos;t line up, this moves the back of the postcard to the right if a positive number, to the left if negative; 25 is an 1/8 in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Image Adj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the backs of the postcards don&apos;t line up, this moves the back of the postcard down if a positive number, up if negative; 25 is an 1/8 in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Adj Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of copies of each page printed, for example Old Maid is should be 2 so that pairs of cards will be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selects how the postcards are printed so the backs and fronts line up.  Use the &quot;Velloro&quot; cd default paper orientation to print the postcard fronts for best results.  Single in landscape prints one postcard back on the back of a 4x6 print.  And 4 on Sheet will print 4 4.25X5.5 inch postcard backs on one sheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post Card Back Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selects how you turn the printed sheet of fronts over before the backs are printed on it: Book, like the page of a book (left and right change places, the top stays at the top), or Calendar, like a wall calendar (top and bottom change places).  Either way each back prints head to head behind its front.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet Turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows how your postcard backs will print on the paper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use to change the font name, size an color for each area of the postcard back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the areas you want to change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Text Areas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamp Border/Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address Lines/Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postal Bar Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UnSelect All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display font dialog window so you can select font, style and size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display color dialog window so you can color to print the text in or to draw the lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If &quot;Lines&quot; is selected will print 5 lines in the address area of the postcard to help in addressing.  Otherwise no lines will print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Design...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a design file saved before, to go on with its card: the texts, fonts, colors, pictures and print settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the design of the card, pictures included, in its design file so that nothing is lost when the program ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Design As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a file to save the design of the card in, pictures included.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Image BitMap...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a file to save the card back image as a bitmap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Image jpg...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a file to save the card back image as a jpg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Both Sides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment Test...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints a test page of fronts with fine scales and then, after you turn the sheet over as the Sheet Turn says, a test page of backs with pointers: the number under each pointer is the value for Print Image Adj or Print Adj Down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the image to be used on the lower left corner of the postcard back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the image from the card back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
