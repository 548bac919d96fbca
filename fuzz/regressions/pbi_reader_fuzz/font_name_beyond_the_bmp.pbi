<?xml version="1.0"="UTF-8"?>
<quilm-document version="1">
<values>11906 16838 1440 1640 1440 1440</values>
<alignments>left center</alignments>
<run font="<򻿝Lipi" size="16" bold="1" italic="0" undd="1" italic="0" underline="0" stror="000000" background="FFFFFF">siq<br/>nwmu&#x93;<c u="1E"/></run>
<run font="Times New Roman" slic="1" underline="1" strike="0" nt="<nmoFq<bF">ਸਤਿ &amp; &lt;</run>
</quilm-document>
