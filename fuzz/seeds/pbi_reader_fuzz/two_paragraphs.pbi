<?xml version="1.0" encoding="UTF-8"?>
<quilm-document version="1">
<values>11906 16838 1440 1440 1440 1440</values>
<alignments>left center</alignments>
<run font="AnmolLipi" size="16" bold="1" italic="0" underline="0" strike="0" color="000000" background="FFFFFF">siq<br/>nwmu&#x93;<c u="1E"/></run>
<run font="Times New Roman" size="12" bold="0" italic="1" underline="1" strike="0" color="FF0000" background="FFFFFF">ਸਤਿ &amp; &lt;</run>
</quilm-document>
