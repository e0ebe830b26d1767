! Writes the files the CRMS test expects, with the runtime's own layouts.
program crms_expected
  character(len=*), parameter :: f = '(6i7,F14.4)'
  open(1, file='crms_watlev.txt', status='replace')
  write(1,*) '% TALVO generic format - Water Level'
  write(1,*) '% ','year ','month ','day ','hour ','min ','sec ','watlev (m)'
  write(1,*) 'CRMS ','UTC',' NAVD88'
  write(1,*) 'CRMS_0', 29.5d0, -90.5d0
  write(1,f) 2008, 3, 1, 5, 0, 0, 2.5d0 * 0.3048d0
  write(1,*) 'CRMS_A', 29.75d0, -91.25d0
  write(1,f) 2009, 1, 1, 2, 0, 0, 1.0d0 * 0.3048d0 - 0.1d0
  write(1,f) 2008, 6, 15, 15, 30, 15, -999.0d0
  write(1,*) 'CRMS_0', 29.5d0, -90.5d0
  write(1,f) 2008, 7, 4, 5, 30, 0, -0.5d0 * 0.3048d0
  write(1,*) 'CRMS_C', 30.0d0, -89.0d0
  write(1,f) 2008, 7, 4, 6, 0, 0, 1.0d0 * 0.3048d0 + 0.25d0
  write(1,*) 'CRMS_D', 30.5d0, -88.5d0
  write(1,f) 2008, 2, 29, 20, 0, 0, 2.0d0 * 0.3048d0
  write(1,*) 'CRMS_A', 29.75d0, -91.25d0
  write(1,f) 2008, 9, 1, 5, 0, 0, 0.00015d0 * 0.3048d0 - 0.1d0
  close(1)
  open(1, file='crms_console.txt', status='replace')
  write(1,*) 'What is the initial date? (Year, Month, Day, Hour, Min, Sec)'
  write(1,*) 'What is the final date? (Year, Month, Day, Hour, Min, Sec)'
  write(1,*)
  write(1,*) 'Enter the name of the CRMS input file'
  write(1,*) 'Enter the name of the CRMS stations file'
  write(1,*)
  write(1,*) 'Processing Station Id: ', '0'
  write(1,*) 'Processing Station Id: ', 'A'
  write(1,*) 'Processing Station Id: ', 'B'
  write(1,*) 'B', ' Could not be found'
  write(1,*) 'Processing Station Id: ', '0'
  write(1,*) 'Processing Station Id: ', 'C'
  write(1,*) 'Processing Station Id: ', 'D'
  write(1,*) 'Processing Station Id: ', 'A'
  write(1,*) 'Processed ', 6, ' Stations'
  close(1)
end program
