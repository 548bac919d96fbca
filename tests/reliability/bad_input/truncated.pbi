<?xml version="1.0" encoding="UTF-8"?>
<quilm-document version="1">
<values>11906 16838 1440 1440 1440 1440</values>
<alignments>left</alignments>
<run font="AnmolLipi" size="16" bold="0" italic="0" underline="0" strike="0" color="000000" background="FFFFFF">siq n