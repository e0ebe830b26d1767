! Summary lines of the station extraction, as its formats lay them out.
program summary_lines
  implicit none
  write(*,'(A50,11A15)') 'StationID', 'Inside Grid', 'Near Node', 'Near WetNode', 'Near Depth', 'Wet Depth', &
       'Station Lat', 'Station Lon', 'Node Lat', 'Node Lon', 'Wet Lat', 'Wet Lon'
  write(*,'(A50,3i15,8f15.10)') 'A', 1, 1, 1, 1.0d0, 1.0d0, 0.3d0, 0.2d0, 0.0d0, 0.0d0, 0.0d0, 0.0d0
  write(*,'(A50,3i15,8f15.10)') 'Grand Isle', 0, 4, 0, 12345.0d0, -999.0d0, 5.0d0, 5.0d0, 1.0d0, 1.0d0, &
       -999.0d0, -999.0d0
end program summary_lines
